#pragma once

#include "platform/Printer.h"

#include <QString>

namespace tavrel {

// The font settings and print position every drawing printer keeps. A printer
// that keeps what a font measures hears of each change through fontChanged.
class FontAndPositionPrinter : public Printer {
public:
    void setFontName(const QString& name) override { change(font_, name); }
    void setFontSize(double points) override { change(size_, points); }
    void setFontBold(bool on) override { change(bold_, on); }
    void setFontItalic(bool on) override { change(italic_, on); }
    void setFontUnderline(bool on) override { change(underline_, on); }
    QString fontName() const override { return font_; }
    double fontSize() const override { return size_; }
    bool fontBold() const override { return bold_; }
    bool fontItalic() const override { return italic_; }
    bool fontUnderline() const override { return underline_; }

    void setCurrentX(double twips) override { x_ = twips; }
    void setCurrentY(double twips) override { y_ = twips; }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }

protected:
    virtual void fontChanged() {}

    QString font_ = QStringLiteral("Arial");
    double size_ = 10;
    bool bold_ = false, italic_ = false, underline_ = false;
    double x_ = 0, y_ = 0;

private:
    template <typename T, typename U> void change(T& setting, const U& value)
    {
        if (setting == value)
            return;
        setting = value;
        fontChanged();
    }
};

} // namespace tavrel
