// The kit's grid: the current cell as the program and the user move it,
// fixed rows and columns, the rectangle an editor is placed on, all of it on
// a dialog that is loaded but never shown, and the fixed cells as a screen
// reader is told of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOption>

#include "AccessibleHeaders.h"
#include "KeyPresses.h"
#include "platform/Twips.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Grid.h"

using platform::Ctl;
using platform::Kind;
using platform::PixelsFromTwips;
using platform::Row;

namespace {

// A code list as the five-tone dialog has it: a header row, a number column
// and a kind column that are fixed, four columns that scroll.
constexpr platform::ControlRow kRows[] = {
    Row(Kind::Grid, "MSHFlexGrid1").At(120, 120, 6000, 2400).Tab(0),
    Row(Kind::TextBox, "Text2").At(120, 2600, 1000).Tab(1),
};
constexpr int kWidths[] = {400, 1200, 1800, 1600, 1800, 1050};
// Twips as the screen keeps them: whole pixels.
constexpr int Rounded(int twips) { return platform::TwipsFromPixels(PixelsFromTwips(twips)); }

class GridTest : public testing::Test {
protected:
    void SetUp() override {
        platform::BuildForm(dialog, platform::Form("Frm5Tone").Size(6300, 3000), kRows);
        grid = Ctl<platform::Grid>(&dialog, "MSHFlexGrid1");
        grid->SetCols(6);
        grid->SetRows(21);
        grid->SetFixedCols(2);
        grid->SetRowHeightTwips(0, 500);
        for (int c = 0; c < 6; ++c) grid->SetColWidthTwips(c, kWidths[c]);
        for (int r = 1; r < 21; ++r) grid->SetTextMatrix(r, 0, QString::number(r - 1));
        QObject::connect(grid, &platform::Grid::EnterCell, [this] { entered.emplace_back(grid->Row(), grid->Col()); });
        QObject::connect(grid, &platform::Grid::Click, [this] { ++clicks; });
        QObject::connect(grid, &platform::Grid::Scroll, [this] { ++scrolls; });
    }
    void Show() {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QApplication::processEvents();
    }
    // A click where a user would put the mouse: on a cell that scrolls, or on
    // a fixed column beside row `row`.
    void ClickCell(int row, int col) {
        QWidget* on = grid->viewport();
        QPoint at = grid->visualRect(grid->model()->index(row - 1, col - 2)).center();
        if (col < 2) {
            on = grid->verticalHeader()->viewport();
            at = QPoint(PixelsFromTwips(col == 0 ? 200 : 1000),
                        grid->verticalHeader()->sectionViewportPosition(row - 1) + 3);
        }
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, QPointF(at), QPointF(on->mapToGlobal(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(on, &e);
        }
    }
    int GridLine() const { return grid->showGrid() ? 1 : 0; }
    // Where Qt draws a cell that scrolls, in the grid's coordinates.
    QRect DrawnAt(int row, int col) const {
        return grid->visualRect(grid->model()->index(row - 1, col - 2)).translated(grid->viewport()->pos());
    }

    QDialog dialog;
    platform::Grid* grid = nullptr;
    std::vector<std::pair<int, int>> entered;
    int clicks = 0;
    int scrolls = 0;
};

TEST_F(GridTest, EveryProgrammaticMoveRaisesEnterCellOnce) {
    // The first tone of a row the user leaves empty sends the cell back to
    // column 2 from inside the handler, as the two-tone dialog does.
    QObject::connect(grid, &platform::Grid::EnterCell, [this] {
        if (grid->Col() == 5 && grid->TextMatrix(grid->Row(), 2).isEmpty()) grid->SetCol(2);
    });
    struct Step {
        const char* name;
        void (*move)(platform::Grid&);
        std::vector<std::pair<int, int>> raised;
    };
    const Step steps[] = {
        {"to a cell", [](platform::Grid& g) { g.SetCurrentCell(3, 4); }, {{3, 4}}},
        {"to the cell it is", [](platform::Grid& g) { g.SetCurrentCell(3, 4); }, {}},
        {"the row alone", [](platform::Grid& g) { g.SetRow(18); }, {{18, 4}}},
        {"the column alone", [](platform::Grid& g) { g.SetCol(3); }, {{18, 3}}},
        {"onto a fixed cell", [](platform::Grid& g) { g.SetCurrentCell(20, 0); }, {{20, 0}}},
        {"outside the grid", [](platform::Grid& g) { g.SetCurrentCell(21, 2); }, {}},
        {"a move inside the handler", [](platform::Grid& g) { g.SetCurrentCell(7, 5); }, {{7, 5}, {7, 2}}},
    };
    Show();
    for (const Step& s : steps) {
        entered.clear();
        s.move(*grid);
        EXPECT_EQ(entered, s.raised) << s.name;
    }
    EXPECT_EQ(std::make_pair(grid->Row(), grid->Col()), std::make_pair(7, 2));
    EXPECT_EQ(grid->verticalScrollBar()->value(), 0) << "a move of the program never scrolls";
    EXPECT_EQ(scrolls, 0);
    EXPECT_EQ(clicks, 0);
}

TEST_F(GridTest, CellRectIsWhereTheCellIsDrawn) {
    Show();
    for (const auto& [row, col] : {std::pair{1, 2}, {7, 5}, {20, 3}}) {
        EXPECT_EQ(grid->CellRect(row, col), DrawnAt(row, col)) << row << "," << col;
        EXPECT_EQ(grid->CellRect(row, col).width() + GridLine(), PixelsFromTwips(kWidths[col]));
    }
    // Fixed cells: beside the row in the left band, above the column in the
    // top band, where they meet in the corner.
    QHeaderView* left = grid->verticalHeader();
    QHeaderView* top = grid->horizontalHeader();
    const int numberWidth = PixelsFromTwips(kWidths[0]);
    const int bandTop = left->y() + left->sectionViewportPosition(4);
    EXPECT_EQ(grid->CellRect(5, 1),
              QRect(left->x() + numberWidth, bandTop, PixelsFromTwips(kWidths[1]), left->sectionSize(4)));
    EXPECT_EQ(grid->CellRect(0, 3), QRect(top->x() + top->sectionViewportPosition(1), top->y(),
                                          PixelsFromTwips(kWidths[3]), PixelsFromTwips(500)));
    EXPECT_EQ(grid->CellRect(0, 1).topLeft(), QPoint(left->x() + numberWidth, top->y()));
    EXPECT_EQ(left->width(), numberWidth + PixelsFromTwips(kWidths[1]));
    EXPECT_EQ(top->height(), PixelsFromTwips(500));

    // The current cell's rectangle, after the cells scrolled.
    grid->SetCurrentCell(15, 4);
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    EXPECT_GT(scrolls, 0);
    EXPECT_EQ(grid->CellRect(), DrawnAt(15, 4));
    EXPECT_EQ(grid->CellRect(0, 3).y(), top->y()) << "the fixed row stays in place";
    EXPECT_EQ(grid->CellRect(), grid->CellRect(grid->Row(), grid->Col()));
    EXPECT_TRUE(grid->CellRect(21, 0).isNull());

    // A fixed row too low for a header of two lines grows to show both.
    grid->SetRowHeightTwips(0, 150);
    grid->SetTextMatrix(0, 4, QStringLiteral("CTCSS/DCS\r\nDecode"));
    QApplication::processEvents();
    EXPECT_GE(grid->CellRect(0, 4).height(), 2 * top->fontMetrics().lineSpacing());
    EXPECT_EQ(top->height(), grid->CellRect(0, 4).height());
    EXPECT_EQ(grid->CellRect(), DrawnAt(15, 4)) << "the cells below moved with it";
}

// A dialog that moves the current cell itself brings it into view before it
// lays an editor over it; only the axes on which the cell scrolls move.
TEST_F(GridTest, ScrollToCellBringsACellIntoView) {
    Show();
    const auto inView = [this](int row, int col) {
        return grid->viewport()->rect().contains(grid->visualRect(grid->model()->index(row - 1, col - 2)));
    };
    QScrollBar* v = grid->verticalScrollBar();
    QScrollBar* h = grid->horizontalScrollBar();
    ASSERT_FALSE(inView(20, 5));

    grid->ScrollToCell(20, 5);
    EXPECT_TRUE(inView(20, 5));
    EXPECT_GT(scrolls, 0);
    EXPECT_GT(v->value(), 0);
    EXPECT_TRUE(entered.empty()) << "scrolling moves no current cell";

    scrolls = 0;
    grid->ScrollToCell(19, 5);
    EXPECT_EQ(scrolls, 0) << "a cell in view needs no scroll";

    const int down = v->value();
    grid->ScrollToCell(20, 1);  // a fixed column: only the rows move
    EXPECT_EQ(v->value(), down);
    grid->ScrollToCell(0, 2);   // the header row: only the columns move
    EXPECT_EQ(v->value(), down);
    EXPECT_EQ(h->value(), 0);
    grid->ScrollToCell(1, 2);
    EXPECT_EQ(v->value(), 0);
    grid->ScrollToCell(0, 0);
    grid->ScrollToCell(21, 2);  // outside the grid
    EXPECT_EQ(v->value(), 0);
}

// Printing reads dialogs that were loaded and never shown: the grid answers
// the same there as it does on screen.
TEST_F(GridTest, AGridNeverShownWorksAsAShownOne) {
    grid->SetTextMatrix(0, 2, QStringLiteral("Code"));
    grid->SetTextMatrix(4, 1, QStringLiteral("ANI"));
    grid->SetTextMatrix(4, 2, QStringLiteral("123"));
    grid->SetCellForeColor(0, 2, QColor(0, 0, 155));
    grid->SetCellBackColor(4, 3, QColor(250, 250, 240));
    grid->SetCurrentCell(4, 3);
    EXPECT_EQ(entered, (std::vector<std::pair<int, int>>{{4, 3}}));
    EXPECT_EQ(grid->Text(), "");
    grid->SetCol(2);
    EXPECT_EQ(grid->Text(), "123");

    ASSERT_FALSE(grid->isVisible());
    const std::pair<int, int> cells[] = {{4, 2}, {12, 5}, {0, 3}, {9, 1}, {0, 0}};
    std::vector<QRect> hidden;
    for (const auto& [row, col] : cells) hidden.push_back(grid->CellRect(row, col));
    EXPECT_EQ(hidden[0].width() + GridLine(), PixelsFromTwips(kWidths[2]));

    Show();
    for (std::size_t i = 0; i < std::size(cells); ++i) {
        const auto [row, col] = cells[i];
        EXPECT_EQ(hidden[i], grid->CellRect(row, col)) << row << "," << col;
    }
    EXPECT_EQ(hidden[0], DrawnAt(4, 2));
    EXPECT_EQ(grid->TextMatrix(4, 1), "ANI");
    EXPECT_EQ(grid->TextMatrix(0, 2), "Code");
    EXPECT_EQ(grid->CellForeColor(0, 2), QColor(0, 0, 155));
    EXPECT_EQ(grid->CellBackColor(4, 3), QColor(250, 250, 240));
}

// A row's background shows in its cells that scroll and have none of their
// own, on screen as in what the program reads back, until the row is gone.
TEST_F(GridTest, ARowBackgroundFillsTheRowsCellsWithoutOneOfTheirOwn) {
    const QColor row(250, 250, 240);
    const QColor own(200, 0, 0);
    grid->SetRowBackColor(4, row);
    grid->SetCellBackColor(4, 3, own);
    struct Case { int col; QColor back; const char* what; };
    const Case cases[] = {
        {2, row, "a cell without a background of its own"},
        {3, own, "a cell with one"},
        {1, QColor(), "a fixed cell"},
    };
    Show();
    const QImage drawn = grid->grab().toImage();
    for (const Case& c : cases) {
        EXPECT_EQ(grid->CellBackColor(4, c.col), c.back) << c.what;
        if (!c.back.isValid()) continue;
        const QRect cell = grid->CellRect(4, c.col);
        EXPECT_EQ(drawn.pixelColor(cell.left() + 2, cell.center().y()), c.back) << c.what << " as drawn";
    }
    EXPECT_FALSE(grid->CellBackColor(5, 2).isValid()) << "another row";

    // The style draws the chosen cell in its highlight, shaded a little, with
    // the focus elsewhere as well.
    Ctl<QWidget>(&dialog, "Text2")->setFocus();
    grid->SetCurrentCell(4, 2);
    const QRect current = grid->CellRect(4, 2);
    const QColor chosen = grid->grab().toImage().pixelColor(current.left() + 2, current.center().y());
    const QColor highlight =
        grid->palette().color(grid->isActiveWindow() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
    const int off = std::abs(chosen.red() - highlight.red()) + std::abs(chosen.green() - highlight.green()) +
                    std::abs(chosen.blue() - highlight.blue());
    EXPECT_LE(off, 12) << "the current cell shows as chosen, empty as it is: " << chosen.name().toStdString();

    grid->SetRows(4);
    grid->SetRows(21);
    EXPECT_FALSE(grid->CellBackColor(4, 2).isValid()) << "a row dropped and added again starts without one";
}

TEST_F(GridTest, TheUserNeverMakesAFixedCellCurrent) {
    Show();
    grid->setFocus();
    ClickCell(6, 3);
    EXPECT_EQ(entered, (std::vector<std::pair<int, int>>{{6, 3}}));
    EXPECT_EQ(clicks, 1);

    entered.clear();
    for (const int col : {0, 1}) ClickCell(9, col);
    Key(grid, Qt::Key_Left);
    Key(grid, Qt::Key_Left);
    Key(grid, Qt::Key_Home);
    EXPECT_EQ(entered, (std::vector<std::pair<int, int>>{{6, 2}})) << "only the first move left leaves a cell";
    EXPECT_EQ(clicks, 1) << "a click on a fixed cell is no click on a cell";

    // A fixed cell the program made current stays current when the grid
    // gets the focus back.
    grid->SetCurrentCell(20, 0);
    Ctl<QWidget>(&dialog, "Text2")->setFocus();
    entered.clear();
    grid->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(grid->hasFocus());
    EXPECT_TRUE(entered.empty());
    EXPECT_EQ(std::make_pair(grid->Row(), grid->Col()), std::make_pair(20, 0));
}

// A contact book just loaded: no cell was made current, and tabbing into the
// grid makes none current either (the first click opens the first editor).
TEST(FreshGrid, TabbingInMakesNoCellCurrent) {
    constexpr platform::ControlRow rows[] = {
        Row(Kind::Grid, "MSFlexGrid1").At(0, 0, 3330, 4695).Tab(0),
        Row(Kind::CommandButton, "CommandOK").At(1440, 4920, 1095, 375).Tab(1),
    };
    QDialog dialog;
    platform::BuildForm(dialog, platform::Form("FrmCommuBook").Size(5600, 5400), rows);
    auto* grid = Ctl<platform::Grid>(&dialog, "MSFlexGrid1");
    grid->SetCols(3);
    grid->SetRows(101);
    int entered = 0;
    QObject::connect(grid, &platform::Grid::EnterCell, [&] { ++entered; });
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    Ctl<QWidget>(&dialog, "CommandOK")->setFocus();
    grid->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(grid->hasFocus());
    EXPECT_EQ(entered, 0);
    EXPECT_EQ(std::make_pair(grid->Row(), grid->Col()), std::make_pair(0, 0));
}

TEST_F(GridTest, FixedCountsAndAlignmentKeepEveryCell) {
    grid->SetFixedCols(1);
    grid->SetTextMatrix(0, 1, QStringLiteral("Kind"));
    grid->SetTextMatrix(3, 1, QStringLiteral("PTTID"));
    grid->SetCellForeColor(3, 1, QColor(0, 0, 255));
    grid->SetTextMatrix(3, 4, QStringLiteral("70"));
    grid->SetColAlignment(4, Qt::AlignLeft | Qt::AlignVCenter);
    grid->SetCurrentCell(3, 1);

    // Column 1 becomes fixed again, then the header row stops being fixed:
    // texts, colours, widths and alignment stay with their cells.
    grid->SetFixedCols(2);
    grid->SetFixedRows(0);
    EXPECT_EQ(grid->FixedCols(), 2);
    EXPECT_EQ(grid->TextMatrix(0, 1), "Kind");
    EXPECT_EQ(grid->TextMatrix(3, 1), "PTTID");
    EXPECT_EQ(grid->TextMatrix(3, 0), "2");
    EXPECT_EQ(grid->CellForeColor(3, 1), QColor(0, 0, 255));
    EXPECT_EQ(grid->TextMatrix(3, 4), "70");
    for (int c = 0; c < 6; ++c) EXPECT_EQ(grid->ColWidthTwips(c), Rounded(kWidths[c])) << c;
    EXPECT_EQ(grid->RowHeightTwips(0), Rounded(500));
    EXPECT_EQ(std::make_pair(grid->Row(), grid->Col()), std::make_pair(3, 1));
    EXPECT_EQ(grid->CellRect(0, 2).y(), grid->frameWidth()) << "no fixed row above the cells";

    EXPECT_EQ(grid->ColAlignment(4), Qt::AlignLeft | Qt::AlignVCenter);
    const auto drawnAlignment = [this](int row, int col) {
        return grid->model()->index(row, col - 2).data(Qt::TextAlignmentRole).toInt();
    };
    EXPECT_EQ(drawnAlignment(3, 4), int(Qt::AlignLeft | Qt::AlignVCenter));
    grid->SetTextMatrix(9, 4, QStringLiteral("80"));
    EXPECT_EQ(drawnAlignment(9, 4), int(Qt::AlignLeft | Qt::AlignVCenter)) << "new cells too";
    grid->SetTextMatrix(9, 3, QStringLiteral("CCIR1"));
    EXPECT_EQ(drawnAlignment(9, 3), int(Qt::AlignCenter));
}

// A screen reader hears the fixed rows as the headers of the columns below
// them and the fixed columns as the headers of the rows beside them, with
// the texts the grid shows.
TEST_F(GridTest, FixedCellsAreTheHeadersAScreenReaderHears) {
    grid->SetTextMatrix(0, 1, QStringLiteral("Kind"));
    grid->SetTextMatrix(0, 2, QStringLiteral("Code"));
    grid->SetTextMatrix(0, 4, QStringLiteral("CTCSS/DCS\r\nDecode"));
    grid->SetTextMatrix(4, 1, QStringLiteral("ANI"));
    Show();
    const auto column = [this](int col) { return HeaderName(grid, 0, col - grid->FixedCols(), HeaderOf::Column); };
    const auto row = [this](int r) { return HeaderName(grid, r - grid->FixedRows(), 0, HeaderOf::Row); };
    EXPECT_EQ(column(2), "Code");
    EXPECT_EQ(column(3), "") << "an empty header is no number";
    EXPECT_EQ(column(4), "CTCSS/DCS\nDecode") << "two lines, as drawn";
    EXPECT_EQ(row(4), "3 ANI") << "both fixed columns, side by side";
    EXPECT_EQ(row(5), "4");

    // A later text is heard as soon as it is shown.
    grid->SetTextMatrix(0, 2, QStringLiteral("ID"));
    grid->SetTextMatrix(5, 1, QStringLiteral("PTTID"));
    EXPECT_EQ(column(2), "ID");
    EXPECT_EQ(row(5), "4 PTTID");

    // Cells that stop or start being fixed stop or start being headers.
    grid->SetFixedCols(1);
    ComeToTable(grid);
    EXPECT_EQ(column(1), "Kind");
    EXPECT_EQ(row(4), "3");
    grid->SetFixedRows(0);
    ComeToTable(grid);
    EXPECT_EQ(column(2), "");
    EXPECT_EQ(row(4), "3");
}

// The style keeps the header pixmaps it draws under the identity of the
// palette they were drawn with. A coloured fixed cell drawn under a new
// palette each time fills Qt's pixmap cache a little at every paint of every
// dialog opened again; drawn under one palette, it is drawn from one pixmap.
class HeaderPalettes : public QProxyStyle {
public:
    struct Drawn {
        qint64 key;
        QColor text;
        QColor back;
        QString label;
    };
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option); element == CE_Header && header)
            drawn.push_back({option->palette.cacheKey(), option->palette.color(QPalette::ButtonText),
                             option->palette.color(QPalette::Button), header->text});
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable std::vector<Drawn> drawn;
};

// A grid of four columns drawn in `style`, with one fixed row and column.
platform::Grid* GridDrawnIn(QDialog& dialog, HeaderPalettes& style, int rows) {
    platform::BuildForm(dialog, platform::Form("Frm2Tone").Size(6300, 3000), kRows);
    auto* grid = Ctl<platform::Grid>(&dialog, "MSHFlexGrid1");
    grid->setStyle(&style);
    grid->SetCols(4);
    grid->SetRows(rows);
    return grid;
}

TEST(GridPaint, AColouredFixedCellIsDrawnUnderOnePaletteInEveryGridAtEveryPaint) {
    const QColor blue(0, 0, 155);
    const QColor beige(250, 250, 240);
    HeaderPalettes style;
    std::set<qint64> blueKeys, beigeKeys;
    int blueDrawn = 0, beigeDrawn = 0;
    // The same grid opened twice, as a dialog opened again has it, each
    // painted twice.
    for (int opening = 0; opening < 2; ++opening) {
        QDialog dialog;
        platform::Grid* grid = GridDrawnIn(dialog, style, 5);
        grid->SetTextMatrix(0, 1, QStringLiteral("Tone"));
        grid->SetCellForeColor(0, 1, blue);
        grid->SetTextMatrix(2, 0, QStringLiteral("2"));
        grid->SetCellBackColor(2, 0, beige);
        dialog.show();
        QApplication::processEvents();
        style.drawn.clear();
        for (int paint = 0; paint < 2; ++paint) grid->grab();
        for (const HeaderPalettes::Drawn& d : style.drawn) {
            if (d.text == blue) {
                blueKeys.insert(d.key);
                ++blueDrawn;
            }
            if (d.back == beige) {
                beigeKeys.insert(d.key);
                ++beigeDrawn;
            }
        }
    }
    EXPECT_GE(blueDrawn, 4) << "the coloured header cell was painted with its colour at every paint";
    EXPECT_GE(beigeDrawn, 4) << "the coloured row cell was painted with its colour at every paint";
    EXPECT_EQ(blueKeys.size(), 1U);
    EXPECT_EQ(beigeKeys.size(), 1U);
}

// One palette per base and colours: cells that share one colour and differ
// in the other each keep both of their own.
TEST(GridPaint, FixedCellsSharingAColourAreEachDrawnInBothOfTheirOwn) {
    const QColor blue(0, 0, 155), red(155, 0, 0), beige(250, 250, 240), grey(200, 200, 200);
    struct Case {
        QString label;
        QColor text;
        QColor back;
    };
    const Case cases[] = {
        {QStringLiteral("blue on beige"), blue, beige},
        {QStringLiteral("red on beige"), red, beige},
        {QStringLiteral("blue on grey"), blue, grey},
    };
    HeaderPalettes style;
    QDialog dialog;
    platform::Grid* grid = GridDrawnIn(dialog, style, 4);
    grid->SetColWidthTwips(0, 2000);
    for (int r = 1; r <= 3; ++r) {
        const Case& c = cases[r - 1];
        grid->SetTextMatrix(r, 0, c.label);
        grid->SetCellForeColor(r, 0, c.text);
        grid->SetCellBackColor(r, 0, c.back);
    }
    dialog.show();
    QApplication::processEvents();
    style.drawn.clear();
    grid->grab();
    for (const Case& c : cases) {
        const auto d = std::ranges::find(style.drawn, c.label, &HeaderPalettes::Drawn::label);
        ASSERT_NE(d, style.drawn.end()) << c.label.toStdString();
        EXPECT_EQ(d->text, c.text) << c.label.toStdString();
        EXPECT_EQ(d->back, c.back) << c.label.toStdString();
    }
}

}  // namespace
