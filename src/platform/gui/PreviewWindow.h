#pragma once

#include "platform/gui/RecordingPrinter.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tavrel {

class PreviewPage;

// The pages of a recorded printout on screen, one at a time: page n of m,
// fit page, fit width or a zoom, the previous and next page (PgUp, PgDn, Home,
// End). Its Print button accepts the window; the window that opened it then
// prints the same recording, so what is seen is what is printed.
class PreviewWindow : public QDialog {
    Q_OBJECT

public:
    // One page of the recording with the paper it is drawn on.
    struct Page {
        int document = 0, page = 1;
        std::size_t firstOp = 0, endOp = 0; // the page's operations in recording.ops
        int paper = 1, orientation = 1;
        bool turned = false;
    };
    enum class Zoom { FitPage, FitWidth, Percent50, Percent75, Percent100, Percent150, Percent200 };

    // `summary` is shown beside the page number ("1700 labels on 57 sheets"),
    // or nothing when empty. The recording must outlive the window.
    PreviewWindow(const RecordingPrinter& recording, const QString& summary,
                  QWidget* parent = nullptr);

    // The pages that draw something, in the order they print.
    static std::vector<Page> pagesOf(const RecordingPrinter& recording);

    int pageCount() const { return int(pages_.size()); }
    int currentPage() const { return current_ + 1; } // 1-based; 0 when there is no page
    void showPage(int number);                       // 1-based, kept within the pages
    void setZoom(Zoom zoom);
    // Pixels on screen per twip of the page at the current zoom.
    double scale() const;

    QLabel* pageLabel;
    QLabel* summaryLabel;
    QComboBox* zoomBox;
    QPushButton* firstButton;
    QPushButton* previousButton;
    QPushButton* nextButton;
    QPushButton* lastButton;
    QPushButton* printButton;
    QPushButton* closeButton;
    QScrollArea* scrollArea;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updatePage();

    const RecordingPrinter& recording_;
    std::vector<Page> pages_;
    int current_ = 0;
    PreviewPage* view_;
};

// The paper of a page in twips, as it lies (landscape or turned: wide).
QSizeF paperTwips(const PreviewWindow::Page& page);

} // namespace tavrel
