// Which help page each help request shows. Every help trigger of the program
// goes through ShowHelp with its trigger, so the mapping lives here only.
#pragma once

#include <array>
#include <string>
#include <string_view>

enum class EHelpTrigger {
    HelpTopicsCommand,     // main menu "&Help Topics" (command 57667)
    PanelF1,               // F1 in the calendar panel
    MovableFeastsDialog,   // help button or F1 in the movable feasts dialog
    CopyFormatDialog,      // help button or F1 in the copy format dialog
    GregorianReformDialog, // help button or F1 in the Gregorian reform dialog
    SaintsDialog,          // help button or F1 in the saints dialog
    GedcomCheckDialog,     // help button or F1 in the family-tree file check
    CountDaysDialog,       // help button or F1 in the count days dialog
    MonthView,             // F1 in the month view
    ElementsView,          // F1 in the elements of the year window
    ListDateDialog,        // help button or F1 in the window that dates a list
};

// The topics, one bundled page each (":/help/<topic>.html").
// "annee" (year-start styles) has no trigger of its own: the reform dialog,
// where the style is chosen, shows "gregorien", which links to it; nor has
// "eglise" (dating by the church year): the feasts dialog's page links to it;
// nor has "exporter" (a year printed or exported) yet.
inline constexpr std::array<std::string_view, 13> kHelpTopics = {
    "presentation", "interface", "fetes",  "copier",   "gregorien", "annee", "eglise",
    "saints",       "gedcom",    "compte", "elements", "exporter",  "liste"};

// The topic a trigger shows.
std::string_view HelpTopicFor(EHelpTrigger trigger);
bool IsHelpTopic(std::string_view topic);

// Shows a help topic; the program has one, tests record the requests.
class CHelpLauncher {
public:
    virtual ~CHelpLauncher() = default;
    virtual void ShowTopic(const std::string& topic) = 0;
};

// What every trigger calls.
void ShowHelp(CHelpLauncher& launcher, EHelpTrigger trigger);
