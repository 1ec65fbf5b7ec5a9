#include "ReferenceColors.h"

#include <array>

namespace {

constexpr ReferenceColor kReference[] = {
#include "ReferenceColors.inc"
};

} // namespace

std::span<const ReferenceColor> ReferenceColors()
{
    return kReference;
}
