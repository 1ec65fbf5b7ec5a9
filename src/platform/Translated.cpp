#include "Translated.h"

namespace {

bool g_translated = false;

} // namespace

bool ShowsTranslation()
{
    return g_translated;
}

void SetShowsTranslation(bool translated)
{
    g_translated = translated;
}
