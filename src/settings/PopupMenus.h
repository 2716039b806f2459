#pragma once
#include "settings/AnnotationSettings.h"

// The text-book grid's pop-up sub-menus 引出し線色, 点半径 x1 and 点半径 x0.1,
// which mirror controls of the basic settings.
namespace tagler {

// Item k (0 the host's colour, 1..8 線色 1..8) sets the leader colour and puts the arrow,
// dot, extension and frame colours back to "as the leader", so one choice
// recolours the whole annotation. Range error for an item that does not exist.
void chooseLeaderColor(AnnotationSettings& settings, int item);

// Digit 0..9 of the dot radius's x1 or x0.1 list; the other digit stays.
void chooseDotRadiusOnes(AnnotationSettings& settings, int digit);
void chooseDotRadiusTenths(AnnotationSettings& settings, int digit);

// The radio item each sub-menu shows checked.
struct PopupMenuChecks {
    int leaderColor;
    int dotRadiusOnes;
    int dotRadiusTenths;

    friend bool operator==(const PopupMenuChecks&, const PopupMenuChecks&) = default;
};
PopupMenuChecks popupMenuChecks(const AnnotationSettings& settings);

} // namespace tagler
