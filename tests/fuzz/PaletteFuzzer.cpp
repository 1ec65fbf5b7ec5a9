// One fuzzer per palette format: TW_PALETTE_FORMAT names it at build time.

#include "PaletteChecks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckPaletteBytes(std::string_view(reinterpret_cast<const char*>(data), size), PaletteFormat::TW_PALETTE_FORMAT);
    return 0;
}
