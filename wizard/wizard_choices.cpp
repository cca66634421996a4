#include "wizard_choices.h"

WizardChoices g_choices;
