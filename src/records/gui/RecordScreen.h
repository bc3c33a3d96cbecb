#pragma once

#include "store/Contact.h"
#include "store/ScreenMode.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace tavrel {

class Program;

class AddressScreen;
class DetailScreen;

// How the record screens look for p.ScreenMode: Add and AddMult both look
// like Add, Search (and no mode) like SearchResult.
enum class ScreenState { Browse, Change, Delete, Add, SearchResult };
ScreenState screenState(ScreenMode mode);

// What the two screens of one record command share.
struct RecordSession {
    QPointer<AddressScreen> one;
    QPointer<DetailScreen> two;
    // The record on display, as last read from or written to the file, in
    // the person's own spelling.
    Contact shown;
    // Screen 2 has yet to show `shown`: browsing fills the hidden screen 2
    // only once it is shown or read.
    bool screen2Behind = false;
    bool closing = false;
};

// What both record screens have in common: the ID box, the "(Optional)"
// label, the browse and add buttons, the look of each mode, placement, and
// closing both screens together.
class RecordScreen : public QWidget {
    Q_OBJECT
public:
    RecordScreen(Program& p, std::shared_ptr<RecordSession> session, QWidget* parent = nullptr);

    Program& program() const { return p_; }
    RecordSession& session() const { return *session_; }
    virtual int number() const = 0;
    // The other screen of the pair (nullptr while it is being closed).
    RecordScreen* other() const;

    // Sets titles, visibility and enabling for `state`.
    virtual void applyState(ScreenState state);
    void applyMode();
    // Puts the focus where p.ScreenMode wants it when this screen is shown.
    void focusForMode();
    // Places the window on the screen as the mode and screen size require.
    void place();
    // Shows this screen, hides the other one and focuses as the mode wants.
    void showInstead();

    // Shows `c` in this screen's boxes.
    virtual void fill(const Contact& c) = 0;
    virtual void clear() = 0;

    // Takes what the boxes show now as the record's own text: typing after
    // this is what Esc would lose.
    void markUnchanged();
    // Something was typed or chosen in a box since the record was shown.
    bool typedSinceShown() const;

    QLineEdit* idEdit = nullptr;
    QLabel* optionalLabel = nullptr;
    QLabel* browseControlsLabel = nullptr;
    QPushButton* nextButton = nullptr;
    QPushButton* browseCancelButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* previousButton = nullptr;
    QPushButton* changeButton = nullptr;
    QPushButton* addCancelButton = nullptr;
    QPushButton* addButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The control that takes the focus in an add mode.
    virtual QWidget* addModeFocus() const = 0;

    QGroupBox* idFrame() const { return idFrame_; }
    // Makes every length-limited box of this screen beep when it drops typed text.
    void beepOnCut();
    // Fills a box when its text differs, showing the text from its start.
    void showText(QLineEdit* box, QStringView text);
    static void showText(QComboBox* box, QStringView text);
    QVBoxLayout* buttonColumn() const { return buttonColumn_; }

    void onNextClicked();
    void onCancelClicked();
    void onDeleteClicked();
    void onPreviousClicked();
    void onChangeClicked();
    void onAddClicked();
    // Esc closes both screens, asking first when typing would be lost.
    void onEscapePressed();

    Program& p_;
    std::shared_ptr<RecordSession> session_;

private:
    // Width of the widest character the file can hold, in the screens' font
    // (0 until first needed).
    int widestCharWidth();

    QGroupBox* idFrame_ = nullptr;
    QVBoxLayout* buttonColumn_ = nullptr;
    int widestChar_ = 0;
    QHash<const QComboBox*, QString> shownChoices_;
};

// Shows `stored`, a record as the file and the kept spellings hold it, on
// both screens of `session`.
void fillScreens(RecordSession& session, const Contact& stored);

// The loaded screens of `p`, or nullptr.
AddressScreen* loadedScreen1(Program& p);
DetailScreen* loadedScreen2(Program& p);

bool isAddMode(ScreenMode mode);

// A button with caption, tool tip and objectName.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tip);
// A text box with objectName, tool tip and optional length limit (0: none).
QLineEdit* makeBox(QWidget* parent, const QString& name, const QString& tip, int limit);

} // namespace tavrel
