// tavrel_shots [--dark] OUTDIR [NAME...]: saves a PNG of each named window (all
// when no name is given) into OUTDIR; --dark draws them in a dark palette. Run
// under Xvfb: scripts/screenshots.sh (which also takes them at double size).
// tavrel_shots --names [NAME...]: opens the windows and lists every control
// that takes the focus but has no name for screen readers; fails if any has none.
// tavrel_shots --tr [--ts FILE] [NAME...]: opens the windows under a translation
// that marks every text and lists each text that does not go through tr(), and
// each text asked of tr() that lupdate did not put into FILE under the same
// context; exits with 3 if there is any.
#include "Shots.h"

#include "maillists/MailListFile.h"
#include "platform/gui/Application.h"
#include "store/RecordAccess.h"
#include "support/UntranslatedTexts.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QStyleFactory>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

namespace tavrel::shots {

std::vector<Entry>& registry()
{
    static std::vector<Entry> all;
    return all;
}

Shots::Shots()
{
    std::map<int, NARecord> recs;
    const char* names[] = {"Adams, Ruth", "Baker & Sons Ltd", "Castillo, Marta", "Dunn, Peter",
                           "Evergreen Garden Club"};
    int id = 1;
    for (const char* n : names) {
        NARecord r = test::makeRecord(id, QString::fromUtf8(n), QStringLiteral("KEY%1").arg(id));
        r.AddrLine1 = QStringLiteral("%1 Harbour Road").arg(10 * id);
        r.AddrLine2 = QStringLiteral("Springfield");
        r.PhoneType1 = QStringLiteral("Home");
        r.PhoneNum1 = QStringLiteral("555-01%1").arg(id, 2, 10, QLatin1Char('0'));
        recs[id++] = r;
    }
    test::writeNAFile(env.naPath(), recs, -1, QLatin1Char('0'));
    env.open();
    env.ui.setAutoOk(true);
}

void Shots::writeMailLists(const QString& christmasIds, const QString& clubIds)
{
    parseIdList(p(), christmasIds);
    writeMailList(p(), QStringLiteral("tvlmail.xms"), QStringLiteral("Christmas Cards 2026"));
    parseIdList(p(), clubIds);
    writeMailList(p(), QStringLiteral("tvlmail.clb"), QStringLiteral("Garden Club Committee"));
}

namespace {

// A dark palette of the kind desktop themes use: light text on dark grey.
QPalette darkPalette()
{
    QPalette pal;
    const QColor window(0x35, 0x35, 0x35), base(0x24, 0x24, 0x24), text(0xE8, 0xE8, 0xE8);
    pal.setColor(QPalette::Window, window);
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Base, base);
    pal.setColor(QPalette::AlternateBase, window);
    pal.setColor(QPalette::ToolTipBase, QColor(0x4A, 0x4A, 0x30));
    pal.setColor(QPalette::ToolTipText, text);
    pal.setColor(QPalette::PlaceholderText, QColor(0x90, 0x90, 0x90));
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Button, QColor(0x45, 0x45, 0x45));
    pal.setColor(QPalette::ButtonText, text);
    pal.setColor(QPalette::BrightText, Qt::white);
    pal.setColor(QPalette::Light, QColor(0x60, 0x60, 0x60));
    pal.setColor(QPalette::Midlight, QColor(0x50, 0x50, 0x50));
    pal.setColor(QPalette::Mid, QColor(0x30, 0x30, 0x30));
    pal.setColor(QPalette::Dark, QColor(0x20, 0x20, 0x20));
    pal.setColor(QPalette::Shadow, Qt::black);
    pal.setColor(QPalette::Highlight, QColor(0x3D, 0x6E, 0xB4));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    pal.setColor(QPalette::Link, QColor(0x7A, 0xB4, 0xFF));
    const QColor grey(0x80, 0x80, 0x80);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, grey);
    return pal;
}

// "window: control" for each shown control of `window` that takes the focus
// and that a screen reader would announce without a name.
QStringList unnamedControls(const QString& shot, QWidget* window)
{
    QStringList found;
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all.prepend(window);
    for (QWidget* c : all) {
        if (c->focusPolicy() == Qt::NoFocus || !c->isVisible())
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(c);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            found << QStringLiteral("%1 (%2): %3 (%4)")
                         .arg(shot, window->objectName(), c->objectName(),
                              QLatin1String(c->metaObject()->className()));
    }
    return found;
}

// The controls whose texts are the user's data (names, addresses, file and list
// names), not the program's words: left out of the check for tr(). A name
// ending in '_' stands for every control of that array.
QStringList dataControls()
{
    return {
        QStringLiteral("ExpCbo3"),  // the mailing lists to export
        QStringLiteral("MapCbo1_"), // column names as spreadsheet files carry them
        QStringLiteral("CalibPrinter"), // the print system's queue names
    };
}

} // namespace

} // namespace tavrel::shots

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tavrel::setUpApplication(app);
    QTextStream err(stderr);
    int first = 1;
    const bool checkNames = argc > 1 && QLatin1String(argv[1]) == QLatin1String("--names");
    const bool checkTexts = argc > 1 && QLatin1String(argv[1]) == QLatin1String("--tr");
    tavrel::test::MarkingTranslator marking;
    if (checkNames || checkTexts)
        ++first;
    QString tsFile;
    if (checkTexts) {
        QCoreApplication::installTranslator(&marking);
        if (argc > first + 1 && QLatin1String(argv[first]) == QLatin1String("--ts")) {
            tsFile = QString::fromLocal8Bit(argv[first + 1]);
            first += 2;
        }
    }
    if (argc > 1 && QLatin1String(argv[1]) == QLatin1String("--dark")) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(tavrel::shots::darkPalette());
        ++first;
    }
    const bool checking = checkNames || checkTexts;
    if (!checking && argc < first + 1) {
        err << "usage: tavrel_shots [--dark] OUTDIR [NAME...] | --names [NAME...]\n"
               "       | --tr [--ts FILE] [NAME...]\nwindows:";
        for (const auto& e : tavrel::shots::registry())
            err << ' ' << e.name;
        err << '\n';
        return 2;
    }
    const QString out = checking ? QString() : QString::fromLocal8Bit(argv[first++]);
    if (!checking)
        QDir().mkpath(out);
    QStringList wanted;
    for (int i = first; i < argc; ++i)
        wanted << QString::fromLocal8Bit(argv[i]);

    int failures = 0;
    int untranslated = 0;
    for (const auto& e : tavrel::shots::registry()) {
        if (!wanted.isEmpty() && !wanted.contains(e.name))
            continue;
        tavrel::shots::Shots s;
        QWidget* w = nullptr;
        try {
            w = e.make(s);
        } catch (const std::exception& x) {
            err << e.name << ": " << x.what() << '\n';
        }
        if (!w) {
            err << e.name << ": no window\n";
            ++failures;
            continue;
        }
        w->show();
        w->raise();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        const QString file = out + QLatin1Char('/') + e.name + QStringLiteral(".png");
        const QSize size = w->frameGeometry().size();
        if (checkNames) {
            const QStringList unnamed = tavrel::shots::unnamedControls(e.name, w);
            for (const QString& u : unnamed)
                err << "no accessible name: " << u << '\n';
            failures += int(unnamed.size());
        } else if (checkTexts) {
            const QStringList plain =
                tavrel::test::untranslatedTexts(w, tavrel::shots::dataControls());
            QTextStream list(stdout);
            for (const QString& t : plain)
                list << "not through tr(): " << e.name << ": " << t << '\n';
            untranslated += int(plain.size());
        } else if (!w->grab().save(file)) {
            err << e.name << ": cannot write " << file << '\n';
            ++failures;
        } else {
            QTextStream(stdout) << file << "  " << size.width() << 'x' << size.height()
                                << (size.width() > 1024 || size.height() > 768 ? "  TOO LARGE" : "")
                                << '\n';
        }
        // Close everything the window opened before the next one.
        for (QWidget* top : QApplication::topLevelWidgets())
            top->hide();
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    if (checkTexts) {
        QTextStream list(stdout);
        list << untranslated << " texts do not go through tr()\n";
        if (!tsFile.isEmpty()) {
            const QStringList unknown = tavrel::test::unknownToLupdate(marking, tsFile);
            for (const QString& u : unknown)
                list << "tr() where lupdate does not find it: " << u << '\n';
            untranslated += int(unknown.size());
        }
    }
    return failures ? 1 : untranslated ? 3 : 0;
}
