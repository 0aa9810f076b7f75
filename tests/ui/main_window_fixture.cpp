#include "tests/ui/main_window_fixture.h"

namespace zandrel::test {

QString Snapshot(const CMainDlg& window) {
    QStringList parts;
    QStringList images;
    for (int id : kImages) {
        images << QString::number(window.DlgItem<CBitmapButton>(id)->BitmapId());
    }
    parts << "images " + images.join(' ');
    QStringList labels;
    for (int id : kLabels) {
        labels << "[" + QString::fromStdString(window.DlgItem<CButton>(id)->GetWindowText()) + "]";
    }
    parts << "labels " + labels.join(' ');
    QStringList checked;
    for (int id = IDC_LINE1; id <= IDC_LINE6; ++id) {
        if (window.IsDlgButtonChecked(id)) {
            checked << QString::number(id);
        }
    }
    parts << "checked " + checked.join(' ');
    QStringList lists;
    for (int id : kLists) {
        lists << QString::fromStdString(window.GetDlgItemText(id));
    }
    parts << "lists " + lists.join('|');
    parts << "text " + QString::fromStdString(window.GetDlgItemText(IDC_HEXAGRAM_TEXT));
    parts << "blocks " + QString::fromStdString(window.LastReadingText().originalText + "|" +
                                                window.LastReadingText().lineText + "|" +
                                                window.LastReadingText().finalText);
    return parts.join('\n');
}

} // namespace zandrel::test
