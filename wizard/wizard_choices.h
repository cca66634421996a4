// The Wizard choices: what the feature pages hand over to the rest of the
// wizard when they are left forward. Each is -1 (not decided in this run)
// until then, and then the page's enabled flag: 1 on, 0 off.
#pragma once

struct WizardChoices {
    int internetNav = -1;  // the Internet Navigation page's
    int lumora = -1;       // the Lumora Keys page's
    int print = -1;        // the Print Label page's
};

extern WizardChoices g_choices;
