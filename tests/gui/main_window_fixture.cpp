#include "tests/gui/main_window_fixture.h"

namespace zandrel::test {

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

} // namespace zandrel::test
