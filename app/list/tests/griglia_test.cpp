// The grid control the stamp list is drawn with.
#include "grid/msflexgrid.h"

#include "forms/form.h"
#include "runtime/error.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using platform::grid::MSFlexGrid;
using platform::runtime::Error;

namespace {

struct Griglia {
    QWidget finestra;
    MSFlexGrid* grid = new MSFlexGrid(&finestra, {360, 1320, 11895, 4935});

    QStringList riga(int r) const
    {
        QStringList celle;
        for (int c = 0; c < grid->Cols(); ++c)
            celle << grid->TextMatrix(r, c);
        return celle;
    }
    // What the view has been told about.
    int righeVisteDallaVista() const { return grid->model()->rowCount(); }
};

TEST(MSFlexGrid, StartsWithTwoRowsTwoColumnsOneOfEachFixed)
{
    Griglia g;
    EXPECT_EQ(g.grid->Rows(), 2);
    EXPECT_EQ(g.grid->Cols(), 2);
    EXPECT_EQ(g.grid->FixedRows(), 1);
    EXPECT_EQ(g.grid->FixedCols(), 1);
    EXPECT_EQ(g.grid->Row(), -1);

    // Emptying the rows takes the fixed row with it; the fixed column stays.
    g.grid->setRows(0);
    g.grid->setCols(8);
    EXPECT_EQ(g.grid->FixedRows(), 0);
    EXPECT_EQ(g.grid->FixedCols(), 1);
    g.grid->AddItem("7\tx");
    EXPECT_EQ(g.grid->TextMatrix(0, 0), "7");
}

TEST(MSFlexGrid, AddItemSplitsTheLineAtTabs)
{
    struct Caso {
        const char* nome;
        QString riga;
        QStringList celle;
    };
    const Caso casi[] = {
        {"all columns", "1\ta\tb\tc", {"1", "a", "b", "c"}},
        {"empty pieces keep their place", "1\t\t\tc", {"1", "", "", "c"}},
        {"fewer pieces leave empty cells", "1\ta", {"1", "a", "", ""}},
        {"surplus pieces are dropped", "1\ta\tb\tc\td\te", {"1", "a", "b", "c"}},
        {"trailing tab", "1\ta\tb\t", {"1", "a", "b", ""}},
        {"empty line", "", {"", "", "", ""}},
        {"blanks are kept", " 1 \t a", {" 1 ", " a", "", ""}},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Griglia g;
        g.grid->setRows(0);
        g.grid->setCols(4);
        g.grid->AddItem("first");
        g.grid->AddItem(caso.riga);
        ASSERT_EQ(g.grid->Rows(), 2);
        EXPECT_EQ(g.riga(1), caso.celle);
        EXPECT_EQ(g.riga(0), (QStringList{"first", "", "", ""}));
    }
}

TEST(MSFlexGrid, ColumnsDroppedAndAddedAgainComeBackEmpty)
{
    Griglia g;
    g.grid->setRows(0);
    g.grid->setCols(3);
    g.grid->AddItem("a\tb\tc");
    g.grid->setCols(1);
    g.grid->setCols(3);
    EXPECT_EQ(g.riga(0), (QStringList{"a", "", ""}));
}

TEST(MSFlexGrid, ClearEmptiesTheCellsAndKeepsTheShape)
{
    Griglia g;
    g.grid->setRows(0);
    g.grid->setCols(3);
    g.grid->setColWidth(2, 2500);
    g.grid->AddItem("a\tb\tc");
    g.grid->AddItem("d\te\tf");
    g.grid->Clear();
    EXPECT_EQ(g.grid->Rows(), 2);
    EXPECT_EQ(g.grid->Cols(), 3);
    EXPECT_EQ(g.grid->ColWidth(2), 2500);
    EXPECT_EQ(g.riga(0), (QStringList{"", "", ""}));
    EXPECT_EQ(g.riga(1), (QStringList{"", "", ""}));
}

TEST(MSFlexGrid, WidthsAreKeptInTwipsAndDrawnInPixels)
{
    Griglia g;
    g.grid->setCols(3);
    g.grid->setColWidth(0, 600);
    g.grid->setColWidth(1, 5);
    EXPECT_EQ(g.grid->ColWidth(0), 600);
    EXPECT_EQ(g.grid->ColWidth(1), 5);
    EXPECT_EQ(g.grid->columnWidth(0), 40);
    EXPECT_EQ(g.grid->columnWidth(1), 0);  // practically hidden
    EXPECT_GT(g.grid->ColWidth(2), 0);  // the default
    EXPECT_EQ(g.grid->columnWidth(2), platform::forms::px(g.grid->ColWidth(2)));
}

TEST(MSFlexGrid, CellsOutsideTheGridRaise)
{
    Griglia g;
    g.grid->setRows(0);
    g.grid->setCols(2);
    const auto fuori = [&](auto&& f) {
        try {
            f();
        } catch (const Error& e) {
            return e.number() == 381 && e.description() == "Indice non compreso nell'intervallo";
        }
        return false;
    };
    EXPECT_TRUE(fuori([&] { g.grid->TextMatrix(0, 0); }));
    g.grid->AddItem("a\tb");
    EXPECT_TRUE(fuori([&] { g.grid->TextMatrix(0, 2); }));
    EXPECT_TRUE(fuori([&] { g.grid->TextMatrix(-1, 0); }));
    EXPECT_TRUE(fuori([&] { g.grid->setColWidth(2, 100); }));
}

TEST(MSFlexGrid, RowsAddedOneByOneReachTheViewInOneGo)
{
    Griglia g;
    g.grid->setRows(0);
    g.grid->setCols(2);
    for (int i = 0; i < 1000; ++i)
        g.grid->AddItem(QString::number(i) + "\tx");
    EXPECT_EQ(g.grid->Rows(), 1000);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(g.righeVisteDallaVista(), 1000);
    EXPECT_EQ(g.grid->model()->index(999, 0).data().toString(), "999");

    // A change of shape right after filling keeps the view in step.
    g.grid->AddItem("1000\tx");
    g.grid->setRows(3);
    EXPECT_EQ(g.righeVisteDallaVista(), 3);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(g.righeVisteDallaVista(), 3);
}

TEST(MSFlexGrid, AClickOnARowMakesItCurrentAndOnNoRowLeavesItAlone)
{
    Griglia g;
    g.grid->setRows(0);
    g.grid->setCols(2);
    for (const char* riga : {"10\ta", "11\tb", "12\tc"})
        g.grid->AddItem(riga);
    std::vector<int> clic;
    QObject::connect(g.grid, &MSFlexGrid::Click, [&](int r) { clic.push_back(r); });

    g.grid->clickRow(2);
    EXPECT_EQ(g.grid->Row(), 2);
    g.grid->clickRow(3);  // below the last row
    EXPECT_EQ(g.grid->Row(), 2);
    EXPECT_EQ(clic, (std::vector<int>{2, -1}));

    g.grid->setCurrentIndex(g.grid->model()->index(1, 1));  // moved with the keyboard
    EXPECT_EQ(g.grid->Row(), 1);
    g.grid->setRows(1);  // the current row went: the last one left is current
    EXPECT_EQ(g.grid->Row(), 0);
    g.grid->setRows(0);
    EXPECT_EQ(g.grid->Row(), -1);
}

TEST(MSFlexGrid, AMouseClickReportsTheRowUnderThePointer)
{
    Griglia g;
    g.grid->setRows(0);
    g.grid->setCols(2);
    for (const char* riga : {"10\ta", "11\tb", "12\tc"})
        g.grid->AddItem(riga);
    g.finestra.resize(900, 500);
    g.finestra.show();
    QCoreApplication::sendPostedEvents();
    std::vector<int> clic;
    QObject::connect(g.grid, &MSFlexGrid::Click, [&](int r) { clic.push_back(r); });

    const auto clicca = [&](int y) {
        QWidget* area = g.grid->viewport();
        const QPointF punto(20, y);
        const QPointF globale = area->mapToGlobal(punto);
        QMouseEvent giu(QEvent::MouseButtonPress, punto, globale, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent su(QEvent::MouseButtonRelease, punto, globale, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(area, &giu);
        QApplication::sendEvent(area, &su);
    };
    clicca(g.grid->rowViewportPosition(1) + 2);
    clicca(g.grid->rowViewportPosition(2) + g.grid->rowHeight(2) + 5);  // empty area below
    EXPECT_EQ(clic, (std::vector<int>{1, -1}));
    EXPECT_EQ(g.grid->Row(), 1);
}

}  // namespace
