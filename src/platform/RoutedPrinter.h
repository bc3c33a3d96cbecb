#pragma once

#include "platform/Printer.h"

namespace tavrel {

// The program's printer: every operation goes to the printer it is routed to,
// the one the program started with unless a window routes it elsewhere for a
// while (another print queue, a PDF file, the recording a preview shows).
class RoutedPrinter : public Printer {
public:
    explicit RoutedPrinter(Printer& standard) : standard_(standard), target_(&standard) {}

    // The printer operations go to from now on.
    void routeTo(Printer& target) { target_ = &target; }
    void routeToStandard() { target_ = &standard_; }
    Printer& target() const { return *target_; }
    Printer& standard() const { return standard_; }

    void setScaleTwips() override { target_->setScaleTwips(); }
    void setFontName(const QString& name) override { target_->setFontName(name); }
    void setFontSize(double points) override { target_->setFontSize(points); }
    void setFontBold(bool on) override { target_->setFontBold(on); }
    void setFontItalic(bool on) override { target_->setFontItalic(on); }
    void setFontUnderline(bool on) override { target_->setFontUnderline(on); }
    QString fontName() const override { return target_->fontName(); }
    double fontSize() const override { return target_->fontSize(); }
    bool fontBold() const override { return target_->fontBold(); }
    bool fontItalic() const override { return target_->fontItalic(); }
    bool fontUnderline() const override { return target_->fontUnderline(); }
    void setCurrentX(double twips) override { target_->setCurrentX(twips); }
    void setCurrentY(double twips) override { target_->setCurrentY(twips); }
    double currentX() const override { return target_->currentX(); }
    double currentY() const override { return target_->currentY(); }
    void printLine(const QString& text) override { target_->printLine(text); }
    void printLineRightToLeft(const QString& text, double width) override
    {
        target_->printLineRightToLeft(text, width);
    }
    double textWidth(const QString& text) const override { return target_->textWidth(text); }
    double textHeight(const QString& text = QStringLiteral("X")) const override
    {
        return target_->textHeight(text);
    }
    double pageWidth() const override { return target_->pageWidth(); }
    double pageHeight() const override { return target_->pageHeight(); }
    void drawRect(double x1, double y1, double x2, double y2) override
    {
        target_->drawRect(x1, y1, x2, y2);
    }
    void drawLine(double x1, double y1, double x2, double y2) override
    {
        target_->drawLine(x1, y1, x2, y2);
    }
    void newPage() override { target_->newPage(); }
    void endDoc() override { target_->endDoc(); }
    void killDoc() override { target_->killDoc(); }
    void setOrientation(int orientation) override { target_->setOrientation(orientation); }
    int orientation() const override { return target_->orientation(); }
    void setPaperSize(int code) override { target_->setPaperSize(code); }
    int paperSize() const override { return target_->paperSize(); }
    void setQuarterTurn(bool on) override { target_->setQuarterTurn(on); }
    bool quarterTurn() const override { return target_->quarterTurn(); }
    QPointF printableOrigin() const override { return target_->printableOrigin(); }
    std::optional<QRectF> printableAreaFor(int paper, int orientation) const override
    {
        return target_->printableAreaFor(paper, orientation);
    }
    void layOutAs(const Printer* printer) override { target_->layOutAs(printer); }
    QString lastOutputFile() const override { return target_->lastOutputFile(); }

private:
    Printer& standard_;
    Printer* target_;
};

// Routes `printer` to `target` for as long as it lives, then back to where it was.
// With `carryPaper` the paper, orientation and quarter turn in force go along
// and `target` lays its pages out as the printer it stands in for, so the
// pages that follow are drawn on the same paper with the same margins.
class PrinterRoute {
public:
    PrinterRoute(RoutedPrinter& printer, Printer& target, bool carryPaper = false)
        : printer_(printer), previous_(printer.target()), target_(target), carried_(carryPaper)
    {
        if (carryPaper) {
            target.layOutAs(&previous_);
            target.setPaperSize(previous_.paperSize());
            target.setOrientation(previous_.orientation());
            target.setQuarterTurn(previous_.quarterTurn());
        }
        printer.routeTo(target);
    }
    ~PrinterRoute()
    {
        printer_.routeTo(previous_);
        if (carried_)
            target_.layOutAs(nullptr);
    }
    PrinterRoute(const PrinterRoute&) = delete;
    PrinterRoute& operator=(const PrinterRoute&) = delete;

private:
    RoutedPrinter& printer_;
    Printer& previous_;
    Printer& target_;
    bool carried_;
};

} // namespace tavrel
