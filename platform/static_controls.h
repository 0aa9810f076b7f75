#pragma once

#include "platform/control.h"
#include "platform/density_art.h"

#include <QGroupBox>
#include <QLabel>

#include <string>
#include <string_view>

namespace zandrel {

// A static text, or the icon resource the template names.
class CStatic : public QLabel, public CControl {
    Q_OBJECT
public:
    CStatic(QWidget* parent, const ControlTemplate& control, CommandSink sink = {});

    QWidget& Widget() override { return *this; }
    // "&x" marks a mnemonic, which a static text does not underline here; "&&" is one "&".
    // With kNoPrefix the text is shown as it stands.
    void SetWindowText(std::string_view text) override;
    std::string GetWindowText() const override { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // One line taller than the control (a CJK face's line spacing in a one-line label) is
    // centred on it, where its glyphs, which stay well inside that spacing, fit; otherwise the
    // text starts at the top.
    void AlignText();

    bool noPrefix_;
    std::string text_;
    DensityArt icon_; // an icon control's picture
};

// A frame with a caption.
class CGroupBox : public QGroupBox, public CControl {
    Q_OBJECT
public:
    CGroupBox(QWidget* parent, const ControlTemplate& control, CommandSink sink = {});

    QWidget& Widget() override { return *this; }
    void SetWindowText(std::string_view text) override;
    std::string GetWindowText() const override;
};

} // namespace zandrel
