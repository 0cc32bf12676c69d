#include "help/help_pages.h"

#include <algorithm>

#include "help/text_file.h"

namespace gyrant {
namespace {

struct Topic {
    int number;
    const char* stem;
    int lastPage;
};

constexpr Topic kTopics[] = {{100, "helpb", 1},
                             {200, "helps", 1},
                             {300, "helpd", 1},
                             {400, "helpo", 1},
                             {500, "helpbs", 0},
                             {600, "helpr", 1},
                             {700, "helpdh", 1},
                             {800, "helpch", 1},
                             {900, "helpdm", 1},
                             {kWeightHelpTopic, "helpw", 2},
                             {kStripHelpTopic, "helpt", 3}};

constexpr int kHelpBottomTwips = 6500;

}  // namespace

int HelpWindowTopTwips(int heightTwips) {
    return std::max(0, kHelpBottomTwips - heightTwips);
}

HelpPages::HelpPages(std::filesystem::path programFolder, int helpPageNo)
    : m_programFolder(std::move(programFolder)) {
    for (const Topic& topic : kTopics) {
        if (topic.number != helpPageNo) continue;
        m_stem = topic.stem;
        m_lastHelpPage = topic.lastPage;
    }
    Load();
}

void HelpPages::Load() {
    // An unknown topic loads nothing; the window keeps what it showed.
    if (m_stem.empty()) return;
    TextFile page = ReadTextFile(m_programFolder, m_stem + std::to_string(m_helpPage) + ".txt");
    m_title = page.title;
    m_text = page.text;
}

void HelpPages::Next() {
    if (m_helpPage < m_lastHelpPage) ++m_helpPage;
    Load();
}

void HelpPages::Previous() {
    if (m_helpPage > 0) --m_helpPage;
    Load();
}

}  // namespace gyrant
