#include "formlayout.h"

MainLayout computeMainLayout(int W, int H)
{
    MainLayout l{};
    l.windowHeight = H <= 480 ? 480 : H;
    if (H <= 480) {
        l.gridHeight = 315;
        l.pageHeight = 373;
        l.teamInfHeight = 65;
        l.startersLabelTop = 90;
        l.startersTop = 115;
        l.startersHeight = 125;
        l.substitutesLabelTop = 250;
        l.subsTop = 270;
        l.subsHeight = 55;
    } else {
        l.gridHeight = H - 170;
        l.pageHeight = H - 108;
        l.teamInfHeight = l.pageHeight / 5;
        l.startersLabelTop = l.teamInfHeight + 25;
        l.startersTop = l.startersLabelTop + 20;
        l.startersHeight = l.pageHeight / 3;
        l.substitutesLabelTop = l.startersTop + l.startersHeight + 10;
        l.subsTop = l.substitutesLabelTop + 20;
        l.subsHeight = l.pageHeight / 5;
    }
    l.windowWidth = W <= 680 ? 680 : W;
    if (W <= 680) {
        l.gridWidth = 390;
        l.pageWidth = 667;
        l.optionsLeft = 395;
        l.validPanelLeft = 362;
        l.infoPanelWidth = 255;
        l.listWidth = 280;
        l.pitchWidth = 340;
        l.pitchLeft = 400;
    } else {
        l.gridWidth = W - 285;
        l.pageWidth = W - 10;
        l.optionsLeft = W - 279;
        l.validPanelLeft = 380;
        l.infoPanelWidth = 275;
        l.listWidth = W / 2 - 50;
        l.pitchWidth = 380;
        l.pitchLeft = l.listWidth + 50;
    }
    return l;
}

QSize presetWindowSize(int tag, bool atStartUp)
{
    switch (tag) {
    case 640: return atStartUp ? QSize(638, 392) : QSize(638, 400);
    case 800: return {796, 512};
    case 1024: return {1020, 680};
    default: return {};
    }
}
