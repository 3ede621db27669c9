#pragma once

#include <array>

#include "model/WashRecord.h"

namespace korvanta {

// The eight step types in the order of the type buttons and the Step menu: Fill, Supply, Wash,
// Drain in the first row; Spin, Soak, Aux, Heat in the second.
struct MainFormStepType {
    RecordType type;
    const char *caption;    // type button
    const char *menuText;   // Step menu item
    const char *hint;       // tooltip|status bar text
    const char *buttonName; // objectName of the type button
    const char *menuName;   // objectName of the menu item
};

inline constexpr std::array<MainFormStepType, 8> kMainFormStepTypes{{
    {RecordType::Fill, "Fill", "Add / insert fill step", "Add fill step|Add fill step",
     "BitBtnFill", "MenuAddFill"},
    {RecordType::Supply, "Supply", "Add / insert supply step", "Add supply step|Add supply step",
     "BitBtnSupply", "MenuAddSupply"},
    {RecordType::Wash, "Wash", "Add / insert wash step", "Add wash step|Add wash step",
     "BitBtnWash", "MenuAddWash"},
    {RecordType::Drain, "Drain", "Add / insert drain step", "Add drain step|Add drain step",
     "BitBtnDrain", "MenuAddDrain"},
    {RecordType::Spin, "Spin", "Add / insert spin step", "Add spin step|Add spin step",
     "BitBtnSpin", "MenuAddSpin"},
    {RecordType::Soak, "Soak", "Add / insert soak step", "Add soak step|Add soak step",
     "BitBtnSoak", "MenuAddSoak"},
    {RecordType::Aux, "Aux", "Add / insert aux step", "Add aux step|add aux step", "BitBtnAux",
     "MenuAddAux"},
    {RecordType::Heat, "Heat", "Add / insert heat step", "Add heat step|Add heat step",
     "BitBtnHeat", "MenuAddHeat"},
}};

} // namespace korvanta
