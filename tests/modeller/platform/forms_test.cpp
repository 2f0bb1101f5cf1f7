// The pieces every form shares: a dialog moves fully onto the screen when it is shown, and a label
// that cuts a long text keeps the whole of it in its tool tip.
#include "modeller/platform/forms.h"

#include "modeller/platform/help_service.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

QString Where(const QRect& r) {
    return QString("(%1, %2) %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Dialogs placed partly off each edge of the screen, and one larger than the screen.  Positions are
// of the window's frame, which the window system draws round the dialog.
TEST(Dialog, ComesFullyOntoTheScreenWhenShown) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    platform::ScriptedHelpService help;
    enum class Expect { Unmoved, OnRightEdge, OnBottomEdge, AtTopLeft };
    struct Case {
        const char* what;
        QRect placed; // where the dialog is put before it is shown
        Expect expect;
    };
    const int w = 300, h = 200;
    const Case cases[] = {
        {"inside", {screen.x() + 10, screen.y() + 20, w, h}, Expect::Unmoved},
        {"past the right edge", {screen.right() - 100, screen.y() + 20, w, h}, Expect::OnRightEdge},
        {"past the bottom", {screen.x() + 10, screen.bottom() - 50, w, h}, Expect::OnBottomEdge},
        {"left of and above the screen", {screen.x() - 120, screen.y() - 40, w, h}, Expect::AtTopLeft},
        {"larger than the screen",
         {screen.x() + 50, screen.y() + 60, screen.width() + 100, screen.height() + 100},
         Expect::AtTopLeft},
    };
    for (const Case& c : cases) {
        platform::Dialog dialog(help);
        dialog.setGeometry(c.placed);
        dialog.show();
        QApplication::processEvents();
        const QRect frame = dialog.frameGeometry();
        const std::string where =
            std::string(c.what) + ": " + Where(frame).toStdString() + " on " + Where(screen).toStdString();
        EXPECT_EQ(dialog.size(), c.placed.size()) << where << ": the size stays";
        switch (c.expect) {
        case Expect::Unmoved:
            EXPECT_EQ(dialog.geometry(), c.placed) << where;
            break;
        case Expect::OnRightEdge:
            EXPECT_EQ(frame.right(), screen.right()) << where;
            EXPECT_EQ(dialog.geometry().y(), c.placed.y()) << where;
            break;
        case Expect::OnBottomEdge:
            EXPECT_EQ(frame.bottom(), screen.bottom()) << where;
            EXPECT_EQ(dialog.geometry().x(), c.placed.x()) << where;
            break;
        case Expect::AtTopLeft:
            EXPECT_EQ(frame.topLeft(), screen.topLeft()) << where;
            break;
        }
        if (c.expect != Expect::AtTopLeft || c.placed.width() < screen.width()) {
            EXPECT_TRUE(screen.contains(frame)) << where;
        }
    }
}

TEST(ElidingLabel, CutsALongTextWithoutWideningItsWindowAndKeepsItWholeInItsToolTip) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* label = new platform::ElidingLabel(&window);
    layout->addWidget(label);
    window.resize(160, 40);
    window.show();
    QApplication::processEvents();

    const QString longText = "Reflective foil laminate with an expanded polystyrene board, both faces";
    label->setText("Brick");
    EXPECT_FALSE(label->isCut());
    EXPECT_EQ(label->toolTip(), "");
    label->setText(longText);
    QApplication::processEvents();
    EXPECT_EQ(window.width(), 160) << "the text does not widen the window";
    EXPECT_LT(window.minimumSizeHint().width(), label->fontMetrics().horizontalAdvance(longText));
    EXPECT_TRUE(label->isCut());
    EXPECT_EQ(label->text().toStdString(), longText.toStdString()) << "the label keeps the whole text";
    EXPECT_EQ(label->toolTip().toStdString(), longText.toStdString());

    window.resize(1200, 40); // wide enough now
    QApplication::processEvents();
    EXPECT_FALSE(label->isCut());
    EXPECT_EQ(label->toolTip(), "");
    label->setText("Brick");
    window.resize(160, 40);
    QApplication::processEvents();
    EXPECT_EQ(label->toolTip(), "");
}

} // namespace
