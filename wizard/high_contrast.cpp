#include "high_contrast.h"

bool HighContrastOn(HIGHCONTRASTA& state) {
    state.cbSize = sizeof state;
    if (!::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof state, &state, SPIF_SENDCHANGE)) return false;
    return (state.dwFlags & HCF_HIGHCONTRASTON) != 0;
}
