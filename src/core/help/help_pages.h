#pragma once

// A help topic paged through in the help window: topics 100 to 900 for the "Calc" sub-menus,
// each of one or two pages, Where the Weight Goes and its time slips.

#include <filesystem>
#include <string>

namespace gyrant {

inline constexpr int kWeightHelpTopic = 1000;
inline constexpr int kStripHelpTopic = 1100;

// The help window's top on its screen for a window `heightTwips` tall: its bottom edge sits 6500
// twips below the top of the screen, where it covers little of the tables; a taller window starts
// at the top.
int HelpWindowTopTwips(int heightTwips);

class HelpPages {
  public:
    HelpPages(std::filesystem::path programFolder, int helpPageNo);

    const std::string& Title() const { return m_title; }
    const std::string& Text() const { return m_text; }
    int HelpPage() const { return m_helpPage; }
    bool PreviousEnabled() const { return m_helpPage != 0; }
    bool NextEnabled() const { return m_helpPage != m_lastHelpPage; }

    void Next();
    void Previous();

  private:
    void Load();

    std::filesystem::path m_programFolder;
    std::string m_stem;
    int m_helpPage = 0;
    int m_lastHelpPage = 0;
    std::string m_title;
    std::string m_text;
};

}  // namespace gyrant
