#include "platform/label_links.h"

#include "platform/control.h"
#include "platform/dialog_template.h"
#include "platform/static_controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <limits>

namespace zandrel {
namespace {

// How far a label may stand from its box, in dialog units.
constexpr int kLabelGapLeft = 20;
constexpr int kLabelGapAbove = 8;

bool Overlap(int a0, int a1, int b0, int b1) {
    return a0 < b1 && b0 < a1;
}

// The static text that labels `box`, or none.
CStatic* LabelOf(const QWidget& box, const std::vector<CControl*>& controls) {
    const QRect b = box.geometry();
    CStatic* best = nullptr;
    int bestGap = std::numeric_limits<int>::max();
    bool bestIsLeft = false;
    for (CControl* control : controls) {
        auto* label = dynamic_cast<CStatic*>(control);
        if (label == nullptr || label->text().isEmpty()) {
            continue;
        }
        const QRect l = label->geometry();
        const int leftGap = b.left() - (l.right() + 1);
        const int aboveGap = b.top() - (l.bottom() + 1);
        if (Overlap(l.top(), l.bottom() + 1, b.top(), b.bottom() + 1) && leftGap >= 0 &&
            leftGap <= kLabelGapLeft * kPixelsPerDialogUnit && (!bestIsLeft || leftGap < bestGap)) {
            best = label;
            bestGap = leftGap;
            bestIsLeft = true;
        } else if (!bestIsLeft && Overlap(l.left(), l.right() + 1, b.left(), b.right() + 1) &&
                   aboveGap >= 0 && aboveGap <= kLabelGapAbove * kPixelsPerDialogUnit &&
                   aboveGap < bestGap) {
            best = label;
            bestGap = aboveGap;
        }
    }
    return best;
}

} // namespace

void LinkLabels(const std::vector<CControl*>& controls) {
    for (CControl* control : controls) {
        QWidget& box = control->Widget();
        const bool labelled = qobject_cast<QLineEdit*>(&box) != nullptr ||
                              qobject_cast<QPlainTextEdit*>(&box) != nullptr ||
                              qobject_cast<QComboBox*>(&box) != nullptr;
        if (!labelled) {
            continue;
        }
        if (CStatic* label = LabelOf(box, controls)) {
            label->setBuddy(&box);
        }
    }
}

} // namespace zandrel
