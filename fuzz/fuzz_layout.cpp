// Any bytes either read as a layout or raise LayoutException; what reads must write back to the same
// entries. Names may come back in another case, which keeps every entry's length and so its offset.
#include "framework/Exceptions.h"
#include "framework/PropertyBlob.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view layout(reinterpret_cast<const char*>(data), size);
    std::vector<fw::LayoutEntry> entries;
    try {
        entries = fw::ReadLayout(layout);
    } catch (const fw::LayoutException&) {
        return 0;
    }

    fw::LayoutWriter writer;
    for (const fw::LayoutEntry& entry : entries)
        writer.add(entry.prop, entry.value);
    if (writer.bytes().size() != layout.size())
        std::abort();
    if (fw::ReadLayout(writer.bytes()) != entries)
        std::abort();
    return 0;
}
