// The text-export reader on arbitrary text: it must never crash, and a table
// it accepts must read back the same after being exported again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/text_export.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const kestrova::Result<kestrova::FrameTable> p = kestrova::parse_export(text);
    if (!p) {
        if (p.error().empty()) std::abort();
        return 0;
    }
    kestrova::MoveModel m;
    m.totalframes = p->rows();
    m.movepos = p.value();
    const std::string again = kestrova::export_text(m, {"", "", "", "", ""});
    const kestrova::Result<kestrova::FrameTable> q = kestrova::parse_export(again);
    if (!q || q->rows() != p->rows()) std::abort();
    for (int f = 1; f <= m.totalframes; ++f)
        for (int a = 0; a < kestrova::move_axes; ++a)
            if (q->at(f, a) != p->at(f, a)) std::abort();
    return 0;
}
