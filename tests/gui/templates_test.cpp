// Every dialog template of the program turned into a window: each control where its template
// puts it, in dialog units, inside its dialog, with its caption fitting in the dialog font.

#include "gui/templates.h"
#include "tests/platform/gui_test_support.h"

#include <QTest>

#include <set>

using namespace zandrel;
using namespace zandrel::test;

class TemplatesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }
    void everyTemplateBuildsInDialogUnitsAndItsCaptionsFit();
};

void TemplatesTest::everyTemplateBuildsInDialogUnitsAndItsCaptionsFit() {
    for (const DialogTemplate& dialogTemplate : DialogTemplates()) {
        QCOMPARE(&FindDialogTemplate(dialogTemplate.id), &dialogTemplate);
        CDialog dialog(dialogTemplate);
        dialog.Create();
        QCOMPARE(dialog.size(), QSize(dialogTemplate.width * 2, dialogTemplate.height * 2));
        QCOMPARE(dialog.windowTitle(),
                 QString::fromUtf8(dialogTemplate.title.data(), dialogTemplate.title.size()));
        std::set<int> ids;
        for (const ControlTemplate& control : dialogTemplate.controls) {
            if (control.id == IDC_STATIC) {
                continue;
            }
            QVERIFY2(ids.insert(control.id).second, "control ids are unique");
            DialogRect expected = control.rect;
            if (control.kind == ControlKind::DropDownList) {
                expected.height = 11; // closed; the template height includes the opened list
            }
            QCOMPARE(DialogUnitRect(*dialog.GetDlgItem(control.id)), expected);
            QVERIFY(expected.x + expected.width <= dialogTemplate.width);
            QVERIFY(expected.y + expected.height <= dialogTemplate.height);
        }
        const auto overflowing = OverflowingCaptions(dialog);
        QVERIFY2(overflowing.empty(), overflowing.empty() ? "" : overflowing.front().c_str());
        dialog.DestroyWindow();
    }
}

QTEST_MAIN(TemplatesTest)
#include "templates_test.moc"
