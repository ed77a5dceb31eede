#include "ui/report_window.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>
#include <utility>

#include "forms/report_commands.h"
#include "ui/fonts.h"
#include "ui/keys.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"
#include "ui/report_ports.h"
#include "ui/report_printer.h"
#include "ui/window_registry.h"

namespace orvanta::ui {
namespace {

// The window's layout, in dialog units of its font (the forms' font, 10 pt)...
constexpr int kClientWidthDlu = 350;
constexpr int kClientHeightDlu = 327;
constexpr QRect kHeadingDlu(157, 7, 31, 8);
// ...and the text area's, in pixels: it keeps this place and size whatever the
// size of the window.
constexpr QRect kTextAreaPixels(20, 30, 570, 600);

// Dialog units as the desktop measures them: a quarter of the font's average
// letter width across, an eighth of its height down.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font) {
        const QFontMetrics metrics(font);
        const int letters = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        baseX_ = (letters / 26 + 1) / 2;
        baseY_ = metrics.height();
    }
    int X(int dlu) const { return dlu * baseX_ / 4; }
    int Y(int dlu) const { return dlu * baseY_ / 8; }
    QRect Rect(const QRect& dlu) const {
        return {X(dlu.x()), Y(dlu.y()), X(dlu.width()), Y(dlu.height())};
    }

private:
    int baseX_;
    int baseY_;
};

QString ForDisplay(const std::string& text) {
    QString shown = ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

}  // namespace

ReportWindow::ReportWindow(std::string_view className, std::string text, QWidget* owner)
    : QDialog(owner),
      text_(std::move(text)),
      menuBar_(new QMenuBar(this)),
      heading_(nullptr),
      textArea_(nullptr) {
    setObjectName(ToQString(className));
    setWindowTitle(QStringLiteral("REPORT"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    setSizeGripEnabled(true);
    const QFont windowFont = FormFont();
    setFont(windowFont);
    const DialogUnits units(windowFont);

    // The shortcut after the tab is a label only: the commands run from the menu.
    menuBar_->setObjectName(QStringLiteral("menu"));
    QMenu* file = menuBar_->addMenu(QStringLiteral("&File"));
    print_ = file->addAction(QStringLiteral("&Print...\tCtrl+P"), this, &ReportWindow::Print);
    print_->setObjectName(QStringLiteral("print"));
    QMenu* edit = menuBar_->addMenu(QStringLiteral("&Edit"));
    copy_ = edit->addAction(QStringLiteral("&Copy\tCtrl+C"), this, &ReportWindow::Copy);
    copy_->setObjectName(QStringLiteral("copy"));
    QMenu* help = menuBar_->addMenu(QStringLiteral("&Help"));
    about_ = help->addAction(QStringLiteral("&About Orvanta..."), this, &ReportWindow::About);
    about_->setObjectName(QStringLiteral("about"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    heading_ = new QLabel(QStringLiteral("REPORT"), client);
    heading_->setObjectName(QStringLiteral("heading"));
    const QRect headingRect = units.Rect(kHeadingDlu);
    heading_->setGeometry(
        QRect(headingRect.topLeft(), headingRect.size().expandedTo(heading_->sizeHint())));

    textArea_ = new QPlainTextEdit(client);
    textArea_->setObjectName(QStringLiteral("text"));
    textArea_->setAccessibleName(QStringLiteral("REPORT"));
    // The text area keeps its own default font, not the window's.
    QFont textFont = QApplication::font(textArea_);
    textFont.setResolveMask(QFont::AllPropertiesResolved);
    textArea_->setFont(textFont);
    textArea_->setFrameShape(QFrame::NoFrame);
    textArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textArea_->setReadOnly(true);
    // Without scroll bars the caret is how the keyboard reaches the rest.
    textArea_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    textArea_->setGeometry(kTextAreaPixels);
    // Tab stops from the columns of the text itself, right-aligned so that the
    // decimals of the plan's tab-joined rows line up under their names; any
    // further tab goes on to the next half inch.
    const QString shown = ForDisplay(text_);
    columns_ = FindReportColumns(shown);
    textArea_->setTabStopDistance(textArea_->logicalDpiX() / 2.0);
    QTextOption option = textArea_->document()->defaultTextOption();
    option.setTabs(ReportTabStops(columns_, QFontMetricsF(textFont, textArea_)));
    textArea_->document()->setDefaultTextOption(option);
    textArea_->setPlainText(shown);
    textArea_->setFocus();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(client);
    // The text area's margins at least, whatever the font makes of the units.
    const QSize clientSize =
        QSize(units.X(kClientWidthDlu), units.Y(kClientHeightDlu))
            .expandedTo(QSize(kTextAreaPixels.right() + 1 + kTextAreaPixels.left(),
                              kTextAreaPixels.bottom() + 1 + kTextAreaPixels.left()));
    resize(clientSize.width(), clientSize.height() + menuBar_->sizeHint().height());
}

void ReportWindow::Print() {
    QtReportMessages messages;
    // Every page in the stops of the whole report, as on the screen.
    QtReportPrinter printer(columns_);
    PrintReport(text_, CurrentReportPrinter(printer), messages);
}

void ReportWindow::Copy() { CopyReport(text_, CurrentReportClipboard()); }

void ReportWindow::About() { OpenWindow(kAboutWindow, this); }

void ReportWindow::keyPressEvent(QKeyEvent* event) {
    if (IsPlainEnter(*event)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace orvanta::ui
