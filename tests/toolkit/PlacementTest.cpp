#include "toolkit/Docking.h"
#include "toolkit/Placement.h"

#include <gtest/gtest.h>

namespace {

using Geometry = toolkit::Window::Geometry;
using Size = toolkit::Window::Size;

// A 1366 x 768 screen with a 40-pixel task bar at the bottom.
constexpr Geometry kLaptop{0, 0, 1366, 728};
// A 1920 x 1080 screen with the task bar on the left.
constexpr Geometry kDesktop{60, 0, 1860, 1080};

void expectPlace(const Geometry& place, const Geometry& expected) {
    EXPECT_EQ(place.left, expected.left);
    EXPECT_EQ(place.top, expected.top);
    EXPECT_EQ(place.width, expected.width);
    EXPECT_EQ(place.height, expected.height);
}

bool isInside(const Geometry& place, const Geometry& area) {
    return place.left >= area.left && place.top >= area.top &&
           place.left + place.width <= area.left + area.width &&
           place.top + place.height <= area.top + area.height;
}

TEST(Placement, AMainWindowIsCentredAndNeverLargerThanTheWorkArea) {
    struct Row {
        const char* name;
        Size size;
        Geometry workArea;
        Geometry expected;
    };
    const Row rows[] = {
        {"fits", {1331, 715}, kLaptop, {17, 6, 1331, 715}},
        {"too big both ways", {1400, 800}, kLaptop, {0, 0, 1366, 728}},
        {"too tall only", {1200, 900}, kLaptop, {83, 0, 1200, 728}},
        {"beside a task bar", {1240, 680}, kDesktop, {370, 200, 1240, 680}},
        {"top panel", {1331, 700}, {0, 27, 1366, 741}, {17, 47, 1331, 700}},
        {"unknown screen", {1331, 715}, {}, {0, 0, 1331, 715}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Geometry place = toolkit::centredIn(row.size, row.workArea);
        expectPlace(place, row.expected);
        if (row.workArea.width > 0) {
            EXPECT_TRUE(isInside(place, row.workArea));
        }
    }
}

TEST(Placement, ASideWindowDocksWhereItFitsAndStaysOnScreenWhereNothingFits) {
    struct Row {
        const char* name;
        Geometry main;
        Size size;
        Geometry workArea;
        Geometry expected;
    };
    const Row rows[] = {
        {"right edge", {100, 50, 1200, 700}, {520, 600}, kDesktop, {1300, 50, 520, 600}},
        {"right edge, to the pixel",
         {200, 50, 1200, 700},
         {520, 600},
         kDesktop,
         {1400, 50, 520, 600}},
        {"left edge when the right is full",
         {600, 50, 1200, 700},
         {520, 600},
         kDesktop,
         {80, 50, 520, 600}},
        {"centred on a laptop: over the panels",
         {17, 6, 1331, 715},
         {520, 715},
         kLaptop,
         {0, 6, 520, 715}},
        {"assistant on a laptop", {17, 6, 1331, 715}, {449, 540}, kLaptop, {0, 6, 449, 540}},
        {"moved up to keep the bottom",
         {17, 400, 1331, 715},
         {449, 540},
         kLaptop,
         {0, 188, 449, 540}},
        {"main window above the screen",
         {17, -80, 1331, 715},
         {449, 540},
         kLaptop,
         {0, 0, 449, 540}},
        {"main window off to the left",
         {-1400, 10, 1331, 700},
         {449, 540},
         kLaptop,
         {0, 10, 449, 540}},
        {"taller than the screen", {17, 6, 1331, 715}, {520, 900}, kLaptop, {0, 0, 520, 900}},
        {"unknown screen: the right edge", {17, 6, 1331, 715}, {520, 715}, {}, {1348, 6, 520, 715}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Geometry place = toolkit::dockBeside(row.main, row.size, row.workArea);
        expectPlace(place, row.expected);
        if (row.workArea.width > 0 && row.size.height <= row.workArea.height) {
            EXPECT_TRUE(isInside(place, row.workArea));
        }
    }
}

TEST(Window, FrameSizeIsTheViewsWhenItTellsAndTheGeometrysOtherwise) {
    toolkit::Window window("Fshahao");
    window.setGeometry(10, 20, 300, 200);
    EXPECT_EQ(window.frameSize().width, 300);
    EXPECT_EQ(window.frameSize().height, 200);
    window.setFrameSizeSource([] { return Size{449, 540}; });
    EXPECT_EQ(window.frameSize().width, 449);
    EXPECT_EQ(window.frameSize().height, 540);
    EXPECT_EQ(window.workArea().width, 0);
    window.setWorkAreaSource([] { return kLaptop; });
    EXPECT_EQ(window.workArea().height, 728);
}

// Nothing polls: the side window moves when the main window tells it moved,
// and only while it is loaded.
TEST(Docking, ALoadedSideWindowFollowsEveryMoveOfTheMainWindowAndAClosedOneStays) {
    toolkit::Window main("main");
    main.setWorkAreaSource([] { return kLaptop; });
    main.setGeometry(0, 6, 800, 700);
    toolkit::Window side("side");
    side.setGeometry(0, 0, 449, 540);
    const toolkit::Docking docking(side, main);
    int moves = 0;
    side.setViewListener([&moves] { ++moves; });

    main.setGeometry(10, 6, 800, 700);
    EXPECT_EQ(side.left(), 0) << "not loaded: it stays where it was";
    side.load();
    docking.place();
    expectPlace(side.geometry(), {810, 6, 449, 540});

    Geometry wanted{100, 20, 800, 700};
    main.setGeometrySource([&wanted] { return wanted; });
    main.placementChanged();  // the desktop moved it
    expectPlace(side.geometry(), {900, 20, 449, 540});
    wanted = {600, 20, 760, 700};  // no room on the right any more
    main.placementChanged();
    expectPlace(side.geometry(), {151, 20, 449, 540});

    side.unload();
    const int movesBefore = moves;
    wanted = {0, 0, 700, 700};
    main.placementChanged();
    EXPECT_EQ(side.left(), 151);
    EXPECT_EQ(moves, movesBefore);
}

}  // namespace
