#include "wizard_state.h"

namespace {

WizardState* s_current = nullptr;

}  // namespace

WizardState::WizardState() : m_previous(s_current) { s_current = this; }

WizardState::~WizardState() {
    if (s_current == this) s_current = m_previous;
}

WizardState& WizardState::Current() { return *s_current; }

KeyAssignment* WizardState::SelectedKey() {
    return selectedKey >= 0 && selectedKey < kKeyCount ? &keys[selectedKey] : nullptr;
}
