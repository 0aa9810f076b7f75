#include "tests/gui/main_window_fixture.h"

#include "core/reading.h"
#include "gui/count_cast_dlg.h"
#include "gui/query_dlg.h"
#include "gui/traditional_dlg.h"

#include <QFile>
#include <QRegularExpression>

namespace zandrel::test {

void DataFolder::WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(Path() + "/" + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(name));
    }
}

std::optional<QByteArray> DataFolder::ReadFile(const QString& name) const {
    QFile file(Path() + "/" + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

QList<int> Images(const CMainDlg& window) {
    QList<int> images;
    for (int id : kImages) {
        images << window.DlgItem<CBitmapButton>(id)->BitmapId();
    }
    return images;
}

QStringList Labels(const CMainDlg& window) {
    QStringList labels;
    for (int id : kLabels) {
        labels << QString::fromStdString(window.DlgItem<CButton>(id)->GetWindowText());
    }
    return labels;
}

QList<int> CheckedMarkers(const CMainDlg& window) {
    QList<int> checked;
    for (int id = IDC_LINE1; id <= IDC_LINE6; ++id) {
        if (window.IsDlgButtonChecked(id)) {
            checked << id;
        }
    }
    return checked;
}

QStringList ListEntries(const CMainDlg& window) {
    QStringList lists;
    for (int id : kLists) {
        lists << QString::fromStdString(window.GetDlgItemText(id));
    }
    return lists;
}

QString Snapshot(const CMainDlg& window) {
    QStringList parts;
    QStringList images;
    for (int id : Images(window)) {
        images << QString::number(id);
    }
    parts << "images " + images.join(' ');
    parts << "labels [" + Labels(window).join("] [") + "]";
    QStringList checked;
    for (int id : CheckedMarkers(window)) {
        checked << QString::number(id);
    }
    parts << "checked " + checked.join(' ');
    parts << "lists " + ListEntries(window).join('|');
    parts << "text " + QString::fromStdString(window.GetDlgItemText(IDC_HEXAGRAM_TEXT));
    parts << "blocks " + QString::fromStdString(window.LastReadingText().originalText + "|" +
                                                window.LastReadingText().lineText + "|" +
                                                window.LastReadingText().finalText);
    return parts.join('\n');
}

ReadingText ReadingTextOf(const CMainDlg& window, int outer, int inner, int changeLine) {
    return ComposeReadingText(window.Texts().hexagramTexts,
                              ComputeReading(outer, inner, changeLine));
}

std::shared_ptr<WhenModal> AnswerQuestion(std::optional<QString> text) {
    return WhenModal::Act<CQueryDlg>([text](CQueryDlg* dialog) {
        auto* edit = dialog->DlgItem<CEdit>(IDC_QUESTION);
        if (!text) {
            QTest::keyClick(edit, Qt::Key_Escape);
            return;
        }
        TypeKeys(edit, *text);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

void Retype(CEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    TypeKeys(box, text); // any character, not only those with keys of their own
}

std::shared_ptr<WhenModal> CastInDialog(const QString& date, const QString& time,
                                        const QString& question) {
    return WhenModal::Act<CTraditionalDlg>([=](CTraditionalDlg* dialog) {
        Retype(dialog->DlgItem<CEdit>(IDC_CIVIL_DATE), date);
        Retype(dialog->DlgItem<CEdit>(IDC_CLOCK_TIME), time);
        auto answer = AnswerQuestion(question);
        QTest::mouseClick(dialog->GetDlgItem(IDOK), Qt::LeftButton);
        QVERIFY(answer->Fired());
    });
}

void ChooseEntry(CDialog& dialog, int id, int index) {
    dialog.DlgItem<CComboBox>(id)->SetCurSel(index);
    dialog.SendCommand(id, CBN_SELCHANGE);
}

std::shared_ptr<WhenModal> CastFromCounts(const CountCastEntry& entry) {
    return WhenModal::Act<CCountCastDlg>([=](CCountCastDlg* dialog) {
        ChooseEntry(*dialog, IDC_COUNT_METHOD, entry.method);
        Retype(dialog->DlgItem<CEdit>(IDC_COUNT_INPUT), entry.input);
        if (!entry.counts.isEmpty()) {
            Retype(dialog->DlgItem<CEdit>(IDC_COUNT_STROKES), entry.counts);
        }
        Retype(dialog->DlgItem<CEdit>(IDC_CIVIL_DATE), entry.date);
        Retype(dialog->DlgItem<CEdit>(IDC_CLOCK_TIME), entry.time);
        auto answer = AnswerQuestion(entry.question);
        QTest::mouseClick(dialog->GetDlgItem(IDOK), Qt::LeftButton);
        QVERIFY(answer->Fired());
    });
}

QByteArray ReadLog(const DataFolder& folder) {
    return folder.ReadFile("auvrel.log").value_or(QByteArray());
}

QList<QByteArray> LogEntries(const QByteArray& log) {
    static const QRegularExpression header(
        "\\[Your query on (Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday), "
        "(January|February|March|April|May|June|July|August|September|October|November|"
        "December) \\d\\d, \\d{4} \\d\\d:\\d\\d:\\d\\d\\]\r\n");
    QList<QByteArray> entries;
    const QString text = QString::fromUtf8(log);
    QRegularExpressionMatchIterator it = header.globalMatch(text);
    QList<QRegularExpressionMatch> matches;
    while (it.hasNext()) {
        matches << it.next();
    }
    for (int i = 0; i < matches.size(); ++i) {
        const int from = matches[i].capturedEnd();
        const int to = i + 1 < matches.size() ? matches[i + 1].capturedStart() : text.size();
        entries << text.mid(from, to - from).toUtf8();
    }
    return entries;
}

QByteArray LogEntryBody(const std::string& question, const ReadingText& text) {
    return QByteArray::fromStdString(question + "\r\n\r\n[Auvrel's reply]\r\n" + text.originalText +
                                     text.lineText + text.finalText + "\r\n\r\n\r\n");
}

} // namespace zandrel::test
