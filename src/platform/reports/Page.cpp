#include "Page.h"

#include <algorithm>

namespace reports {

std::string Document::PlainText() const {
    std::string text;
    for (const Page& page : pages) {
        std::vector<const TextRun*> runs;
        for (const TextRun& run : page.texts)
            runs.push_back(&run);
        std::stable_sort(runs.begin(), runs.end(),
                         [](const TextRun* a, const TextRun* b) { return a->y != b->y ? a->y < b->y : a->x < b->x; });
        for (const TextRun* run : runs)
            text += run->text + "\n";
    }
    return text;
}

} // namespace reports
