// The main window's frame: creation of its controls, load, reload, unload,
// layout, status bar and title.
#include "mainwindow/ui/frmMain.h"

#include <algorithm>
#include <charconv>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "core/LangText.h"
#include "core/MainWindowHooks.h"
#include "core/SharedState.h"
#include "platform/ui/Grid.h"
#include "core/Startup.h"
#include "mainwindow/CellEditing.h"
#include "mainwindow/ColumnMap.h"
#include "mainwindow/MainLayout.h"
#include "platform/Clock.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FormLanguage.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/LateWork.h"
#include "platform/Locale.h"
#include "platform/UserSettings.h"


namespace {

constexpr std::string_view kAppTitle = "KQ_314";
constexpr std::string_view kSettingsSection = "Settings";
constexpr int kStatusPanelMinTwips = 1440;

// A status bar panel: as wide as its text, and at least `preferredTwips`,
// while there is room; narrower when the window is, so that the panels never
// hold the window wider than its own minimum.
class StatusPanel : public QLabel {
public:
    StatusPanel(const QString& text, int preferredTwips, QWidget* parent)
        : QLabel(text, parent), preferredPx_(PixelsFromTwips(preferredTwips)) {}
    QSize sizeHint() const override {
        const QSize text = QLabel::sizeHint();
        return {std::max(text.width(), preferredPx_), text.height()};
    }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

private:
    int preferredPx_;
};

// The strip between tree and grid that the mouse drags.
class SplitterStrip : public QWidget {
public:
    explicit SplitterStrip(frmMain* window, QWidget* parent) : QWidget(parent), window_(window) {
        setCursor(Qt::SplitHCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) window_->imgSplitter_MouseDown();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        window_->imgSplitter_MouseMove(static_cast<float>(TwipsFromPixels(qRound(e->position().x()))));
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) window_->imgSplitter_MouseUp();
    }

private:
    frmMain* window_;
};

QRect Pixels(const layout::Rect& r, double topShift) {
    return {PixelsFromTwips(r.left), PixelsFromTwips(r.top - topShift), PixelsFromTwips(r.width),
            PixelsFromTwips(r.height)};
}

// A stored geometry value; a text that is not a whole number counts as absent.
int StoredTwips(std::string_view key, int fallback) {
    const std::string text = platform::UserSettings().GetSetting(kAppTitle, kSettingsSection, key, "");
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size()) return fallback;
    return value;
}

}  // namespace

// The core and the dialogs redraw the window through this seam.
class frmMain::RedrawSeam : public MainWindowView {
public:
    explicit RedrawSeam(frmMain* w) : w_(w) {}
    void ReShowListByData() override { w_->ReShowListByData(); }
    void ShowMainTxt() override { w_->ShowMainTxt(); }
    void ReShowGrid(int16_t index, int16_t row, int16_t col) override { w_->ReShowGrid(index, row, col); }
    void Form_ReLoad() override { w_->Form_ReLoad(); }

private:
    frmMain* w_;
};

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    platform::SetControlName(this, "frmMain");
    // The controls are born in the language's font: localising the window at
    // load then changes no font, which would make every control, and every
    // list's drop-down, lay itself out again.
    setFont(LanguageFont(font()));
    CreateControls();
}

frmMain::~frmMain() {
    // A window destroyed without closing must not stay reachable from the
    // core or the dialogs.
    if (seam_ && &MainView() == seam_) SetMainView(nullptr);
    delete seam_;
}

void frmMain::CreateControls() {
    setMenuBar(new QMenuBar(this));

    tbToolBar = Keep(new QToolBar(this), "tbToolBar");
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, tbToolBar);
    setContextMenuPolicy(Qt::NoContextMenu);

    CreateStatusBar();

    auto* central = new QWidget(this);
    setCentralWidget(central);
    tvTreeView = Keep(new QTreeWidget(central), "tvTreeView");
    tvTreeView->setHeaderHidden(true);
    imgSplitter = Keep(new SplitterStrip(this, central), "imgSplitter");
    MSFlexGrid1 = Keep(new platform::Grid(central), "MSFlexGrid1", 0);
    // The last, empty column takes whatever width the others leave, as wide
    // as they really are (the frequency columns widen to their texts, the
    // name column hides in the hyper views).
    MSFlexGrid1->SetLastColumnFills(true);
    // The strip lies behind the grid: only the gap between tree and grid
    // takes the mouse.
    imgSplitter->lower();
    picSplitter = Keep(new QWidget(central), "picSplitter");
    picSplitter->setAutoFillBackground(true);
    QPalette grey = picSplitter->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    picSplitter->setPalette(grey);
    picSplitter->hide();

    Frame1 = Keep(new QFrame(central), "Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setAutoFillBackground(true);
    Frame1->setGeometry(Pixels(layout::kHyperPanel, 0));
    Frame1->hide();

    CreateEditors(central);

    WaitTimer = Keep(new QTimer(this), "WaitTimer");

    MnuViewToolBar = Keep(new QAction(this), "MnuViewToolBar");
    MnuViewToolBar->setCheckable(true);
    platform::SetLangTag(MnuViewToolBar, 1026);
    // A menu click has already moved the check mark when it triggers.
    platform::OnEvent(MnuViewToolBar, &QAction::triggered, this, "MnuViewToolBar_Click", [this] { ApplyBarSwitches(); });
    MnuViewStatusBar = Keep(new QAction(this), "MnuViewStatusBar");
    MnuViewStatusBar->setCheckable(true);
    platform::SetLangTag(MnuViewStatusBar, 1027);
    platform::OnEvent(MnuViewStatusBar, &QAction::triggered, this, "MnuViewStatusBar_Click",
                      [this] { ApplyBarSwitches(); });

    platform::OnEvent(MSFlexGrid1, &platform::Grid::KeyDown, this, "MSFlexGrid1_KeyDown",
                      [this](int key, int shift) { MSFlexGrid1_KeyDown(0, key, shift); });

    CreateMenus();
    CreateToolBarButtons();
    ConnectTree();
    CreateHyperPanel();
    // The bars are laid out by Qt after they were switched, and the menu bar
    // may wrap into more lines on a narrow window: the controls follow the
    // client area wherever it has settled.
    central->installEventFilter(this);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // A window below its minimum width is about to snap back: laying it out
    // now would clamp the splitter to the passing width.
    if (watched == centralWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::Move) &&
        !BelowMinimumWidth())
        SizeControls(static_cast<float>(SplitterLeftTwips()));
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::BelowMinimumWidth() const {
    return frameGeometry().width() < PixelsFromTwips(layout::kWindowMinWidth);
}

void frmMain::CreateStatusBar() {
    sbStatusBar = Keep(new QStatusBar(this), "sbStatusBar");
    setStatusBar(sbStatusBar);
    statusText_ = new StatusPanel(QStringLiteral("Status"), 0, sbStatusBar);
    statusDate_ = new StatusPanel(QString(), kStatusPanelMinTwips, sbStatusBar);
    statusTime_ = new StatusPanel(QString(), kStatusPanelMinTwips, sbStatusBar);
    for (QLabel* l : {statusDate_, statusTime_}) l->setAlignment(Qt::AlignCenter);
    sbStatusBar->addWidget(statusText_, 1);
    sbStatusBar->addPermanentWidget(statusDate_);
    sbStatusBar->addPermanentWidget(statusTime_);
    clockTimer_ = new QTimer(this);
    clockTimer_->setInterval(1000);
    platform::OnEvent(clockTimer_, &QTimer::timeout, this, "UpdateClock", [this] { UpdateClock(); });
    clockTimer_->start();
    UpdateClock();
}

void frmMain::UpdateClock() {
    const platform::DateTime now = platform::Now();
    const QLocale locale = QLocale::system();
    statusDate_->setText(locale.toString(QDate(now.year, now.month, now.day), QLocale::ShortFormat));
    statusTime_->setText(QString::fromStdString(platform::ShortTimeText(now.hour, now.minute, now.second)));
}

void frmMain::Form_Load() {
    ComboSetting = false;
    FormLoaded = false;
    ListRefreshing = true;
    ShowMenusBySwitches();
    picSplitter->raise();
    LoadFormLanguage(this);
    MnuViewToolBar->setChecked(true);
    MnuViewStatusBar->setChecked(true);
    WaitTimer->stop();
    RestoreGeometry();

    lookups_.ctcss = CTCSSLookupTexts();
    lookups_.dcs = DCSLookupTexts();
    SetGridFixedFormat();

    if (!seam_) seam_ = new RedrawSeam(this);
    SetMainView(seam_);

    // None of the in-cell text editors offers a right-click menu: the
    // editors swallow the clipboard keys, and the menu would offer them back.
    for (const CellEditor e : {CellEditor::TextFreRx, CellEditor::TextFreTx, CellEditor::TextName})
        RidTextMenu(EditorWidget(e));

    LoadShowTree();
    FitTreeToNodeTexts();
    ShowListByData();
    ListRefreshing = false;
    FormLoaded = true;
}

void frmMain::Form_ReLoad() {
    LoadFormLanguage(this);
    LoadShowTree();
    FitTreeToNodeTexts();
    ShowListByData();
}

// The tree pane is never narrower than its longest node text: the splitter
// moves right as far as that needs, never left.
void frmMain::FitTreeToNodeTexts() {
    const QAbstractItemView& view = *tvTreeView;
    const int textPx = view.sizeHintForColumn(0) + 2 * tvTreeView->frameWidth();
    const double needed = TwipsFromPixels(textPx);
    if (needed > SplitterLeftTwips()) SizeControls(static_cast<float>(needed));
}

void frmMain::SetGridFixedFormat() {
    MSFlexGrid1->SetCols(kGridCols);
    MSFlexGrid1->SetRows(2);
    MSFlexGrid1->SetRowHeightTwips(0, 500);
    MSFlexGrid1->SetColWidthTwips(0, 800);
    // The widths the window does not prescribe, chosen so that the columns
    // about fill the grid's minimum width.
    MSFlexGrid1->SetColWidthTwips(GetShowCol(Col::RxFre), 1100);
    MSFlexGrid1->SetColWidthTwips(GetShowCol(Col::TxFre), 1100);
    MSFlexGrid1->SetColWidthTwips(GetShowCol(Col::Step), 700);
    MSFlexGrid1->SetColWidthTwips(GetShowCol(Col::OptSig), 1000);
    MSFlexGrid1->SetColWidthTwips(GetShowCol(Col::Open), 400);
    MSFlexGrid1->SetColWidthTwips(GetShowCol(Col::Bandwidth), 1500);
    MSFlexGrid1->SetColWidthTwips(GetShowCol(Col::Unused), 0);
    MSFlexGrid1->SetColWidthTwips(GetShowCol(Col::Power), 1200);
    MSFlexGrid1->SetColWidthTwips(GetShowCol(Col::DecodeTone), 1400);
    MSFlexGrid1->SetColWidthTwips(GetShowCol(Col::EncodeTone), 1400);
}

void frmMain::RestoreGeometry() {
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
    const int left = StoredTwips("MainLeft", 0);
    const int top = StoredTwips("MainTop", 0);
    const int width = StoredTwips("MainWidth", TwipsFromPixels(screen.width()));
    const int height = StoredTwips("MainHeight", TwipsFromPixels(screen.height()));
    // The stored values are outer bounds: the frame must be known before
    // the client size can be derived from them.
    winId();
    move(PixelsFromTwips(left), PixelsFromTwips(top));
    const QSize frame = frameGeometry().size() - size();
    resize(PixelsFromTwips(width) - frame.width(), PixelsFromTwips(height) - frame.height());
    SizeControls(layout::kSplitterStart);
}

void frmMain::StoreGeometry() {
    const QRect outer = frameGeometry();
    auto& store = platform::UserSettings();
    store.SaveSetting(kAppTitle, kSettingsSection, "MainLeft", std::to_string(TwipsFromPixels(outer.x())));
    store.SaveSetting(kAppTitle, kSettingsSection, "MainTop", std::to_string(TwipsFromPixels(outer.y())));
    store.SaveSetting(kAppTitle, kSettingsSection, "MainWidth", std::to_string(TwipsFromPixels(outer.width())));
    store.SaveSetting(kAppTitle, kSettingsSection, "MainHeight", std::to_string(TwipsFromPixels(outer.height())));
}

void frmMain::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    // Nothing start-up left for later is skipped, even in a window closed
    // before it painted.
    platform::RunLateWork();
    clockTimer_->stop();
    // Every other window of the program goes with the main window, the
    // newest first.
    const auto windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (auto* dialog = qobject_cast<QDialog*>(*it)) dialog->close();
    for (const CellEditor e : {CellEditor::TextFreRx, CellEditor::TextFreTx, CellEditor::TextName})
        UnRidTextMenu(EditorWidget(e));
    if (!isMinimized()) StoreGeometry();
    // The decimal point was forced for this process only, so nothing outside
    // it needs putting back; a failed write of the flags file is silent.
    SaveSettingFile();
    if (&MainView() == seam_) SetMainView(nullptr);
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (BelowMinimumWidth()) {
        resize(PixelsFromTwips(layout::kWindowMinWidth) - (frameGeometry().width() - width()), height());
        return;  // the resize comes back here
    }
    SizeControls(static_cast<float>(SplitterLeftTwips()));
}

double frmMain::SplitterLeftTwips() const { return TwipsFromPixels(imgSplitter->x()); }

// Where the central widget starts, measured in the client area below the
// menu bar that the layout rules count in.
double frmMain::ClientTopOfCentralTwips() const {
    return TwipsFromPixels(centralWidget()->y() - (menuBar() ? menuBar()->height() : 0));
}

void frmMain::SizeControls(float x) {
    const int menuHeight = menuBar() ? menuBar()->height() : 0;
    layout::Input in;
    in.splitter = x;
    in.outerWidth = TwipsFromPixels(frameGeometry().width());
    in.clientWidth = TwipsFromPixels(width());
    in.clientHeight = TwipsFromPixels(height() - menuHeight);
    in.toolbarVisible = !tbToolBar->isHidden();
    in.toolbarTop = 0;
    in.toolbarHeight = TwipsFromPixels(tbToolBar->height());
    in.statusVisible = !sbStatusBar->isHidden();
    in.statusHeight = TwipsFromPixels(sbStatusBar->height());
    const layout::Result r = layout::SizeControls(in);

    const double shift = ClientTopOfCentralTwips();
    tvTreeView->setGeometry(Pixels(r.tree, shift));
    imgSplitter->setGeometry(Pixels(r.splitterStrip, shift));
    MSFlexGrid1->setGeometry(Pixels(r.grid, shift));
    Frame1->setGeometry(Pixels(layout::kHyperPanel, shift));
}

void frmMain::imgSplitter_MouseDown() {
    const layout::Rect strip{SplitterLeftTwips(), TwipsFromPixels(imgSplitter->y()) + ClientTopOfCentralTwips(),
                             static_cast<double>(TwipsFromPixels(imgSplitter->width())),
                             static_cast<double>(TwipsFromPixels(imgSplitter->height()))};
    picSplitter->setGeometry(Pixels(layout::DragBar(strip), ClientTopOfCentralTwips()));
    picSplitter->show();
    picSplitter->raise();
    SplitterMoving = true;
}

void frmMain::imgSplitter_MouseMove(float x) {
    if (!SplitterMoving) return;
    const double left =
        layout::DragBarLeft(SplitterLeftTwips(), x, TwipsFromPixels(frameGeometry().width()));
    picSplitter->move(PixelsFromTwips(left), picSplitter->y());
}

void frmMain::imgSplitter_MouseUp() {
    SizeControls(static_cast<float>(TwipsFromPixels(picSplitter->x())));
    picSplitter->hide();
    SplitterMoving = false;
}

void frmMain::MnuViewToolBar_Click() {
    MnuViewToolBar->setChecked(!MnuViewToolBar->isChecked());
    ApplyBarSwitches();
}

void frmMain::MnuViewStatusBar_Click() {
    MnuViewStatusBar->setChecked(!MnuViewStatusBar->isChecked());
    ApplyBarSwitches();
}

void frmMain::ApplyBarSwitches() {
    tbToolBar->setVisible(MnuViewToolBar->isChecked());
    sbStatusBar->setVisible(MnuViewStatusBar->isChecked());
    // Qt moves the client area only when it next lays the window out; the
    // controls are placed against where it will be, not where it was.
    if (layout()) layout()->activate();
    SizeControls(static_cast<float>(SplitterLeftTwips()));
}

void frmMain::ShowMainTxt() {
    const std::string title = std::string(kAppTitle) + "[" + ModelName + "][" + GetLangText(2012) + ":" +
                              DataFileName + "]";
    setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
}
