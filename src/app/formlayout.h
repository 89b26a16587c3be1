// The main window's layout for a given outer size.
#pragma once

#include <QSize>

// Where the layout puts the controls that follow the window's size, for outer width W and height H
// (before the 680 by 480 minimum is enforced).
struct MainLayout {
    int windowWidth, windowHeight;
    int gridWidth, gridHeight;
    int pageWidth, pageHeight;
    int optionsLeft; // LUOptionsGroupBox and LUTotalsGroupBox
    int validPanelLeft;
    int infoPanelWidth;
    int teamInfHeight;
    int startersLabelTop, startersTop, startersHeight;
    int substitutesLabelTop, subsTop, subsHeight;
    int listWidth; // TeamInfListBox, StartersListBox, SubsListBox
    int pitchWidth, pitchLeft;
};

MainLayout computeMainLayout(int W, int H);

// The preset of a "Form Size" tag (640, 800, 1024): the outer size it asks for; at start-up 640 asks for
// 638 by 392. An empty size for any other tag.
QSize presetWindowSize(int tag, bool atStartUp);
