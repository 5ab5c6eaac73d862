#include "HelpTopics.h"

#include <algorithm>

std::string_view HelpTopicFor(EHelpTrigger trigger) {
    switch (trigger) {
    case EHelpTrigger::HelpTopicsCommand:
        return "presentation";
    case EHelpTrigger::PanelF1:
        return "interface";
    case EHelpTrigger::MovableFeastsDialog:
        return "fetes";
    case EHelpTrigger::CopyFormatDialog:
        return "copier";
    case EHelpTrigger::GregorianReformDialog:
        return "gregorien";
    case EHelpTrigger::SaintsDialog:
        return "saints";
    case EHelpTrigger::GedcomCheckDialog:
        return "gedcom";
    case EHelpTrigger::CountDaysDialog:
    case EHelpTrigger::MonthView:
        return "compte";
    case EHelpTrigger::ElementsView:
        return "elements";
    case EHelpTrigger::ListDateDialog:
        return "liste";
    }
    return "presentation";
}

bool IsHelpTopic(std::string_view topic) {
    return std::find(kHelpTopics.begin(), kHelpTopics.end(), topic) != kHelpTopics.end();
}

void ShowHelp(CHelpLauncher& launcher, EHelpTrigger trigger) {
    launcher.ShowTopic(std::string(HelpTopicFor(trigger)));
}
