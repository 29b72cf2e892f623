// res/resource.h: no two controls of one dialog and no two dialogs share an id. The groups are read
// from the file's own comment headings, so a dialog added under a new heading is checked too.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// The #defines under each comment heading. A dialog's heading says "(dialog " or holds an IDD_ id.
struct IdGroup {
    std::string heading;
    std::vector<std::pair<std::string, long>> defines;
    bool bDialog = false;
};

std::vector<IdGroup> ReadGroups(std::istream &in)
{
    std::vector<IdGroup> groups(1);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string first, name, value;
        words >> first;
        if (first.rfind("//", 0) == 0) {
            groups.push_back({line, {}, line.find("(dialog ") != std::string::npos});
        } else if (first == "#define" && words >> name >> value) {
            // "(-1)" and "0x3F0" read as numbers too; anything else counts as no id.
            if (value.size() > 2 && value.front() == '(' && value.back() == ')')
                value = value.substr(1, value.size() - 2);
            try {
                groups.back().defines.emplace_back(name, std::stol(value, nullptr, 0));
                groups.back().bDialog |= name.rfind("IDD_", 0) == 0;
            } catch (const std::exception &) {
            }
        }
    }
    return groups;
}

// One line per clash: two controls (or a control and the dialog) of one dialog, or two dialogs.
std::vector<std::string> IdClashes(const std::vector<IdGroup> &groups)
{
    std::vector<std::string> clashes;
    std::map<long, std::string> dialogs;
    for (const IdGroup &group : groups) {
        if (!group.bDialog)
            continue;
        std::map<long, std::string> seen;
        for (const auto &[name, value] : group.defines) {
            if (name.rfind("IDD_", 0) == 0 && !dialogs.emplace(value, name).second)
                clashes.push_back(name + " and " + dialogs[value] + " are both dialog " + std::to_string(value));
            if (!seen.emplace(value, name).second)
                clashes.push_back(name + " and " + seen[value] + " share " + std::to_string(value) + " under \"" +
                                  group.heading + "\" (a heading per dialog if they are not one dialog's)");
        }
    }
    return clashes;
}

TEST(ResourceIds, NoTwoControlsOfADialogAndNoTwoDialogsShareAnId)
{
    std::ifstream in(VESPIN_RESOURCE_HEADER);
    ASSERT_TRUE(in) << VESPIN_RESOURCE_HEADER;
    const std::vector<IdGroup> groups = ReadGroups(in);
    int dialogs = 0;
    for (const IdGroup &group : groups)
        dialogs += group.bDialog;
    EXPECT_GE(dialogs, 3) << "the dialog headings were not found";
    EXPECT_EQ(IdClashes(groups), std::vector<std::string>{});
}

TEST(ResourceIds, CheckCatchesClashesInOneDialogAndBetweenDialogsButNotRepeatsAcrossDialogs)
{
    const struct { const char *text; size_t clashes; } cases[] = {
        {"// A (dialog 1)\n#define IDD_A 1\n#define IDC_X 1020\n"
         "// B (dialog 2)\n#define IDD_B 2\n#define IDC_Y 1020\n", 0},
        {"// A (dialog 1)\n#define IDD_A 1\n#define IDC_X 1020\n#define IDC_Y 0x3FC\n", 1},
        {"// A (dialog 1)\n#define IDD_A 1\n// B (dialog 1)\n#define IDD_B 1\n", 1},
        {"// A\n#define IDD_A 7\n#define IDC_X 7\n", 1},  // a dialog known by its IDD_ alone; its control clashes
        {"// Messages\n#define WM_X 1034\n#define TIMER_Y 1034\n", 0},
    };
    for (const auto &c : cases) {
        std::istringstream in(c.text);
        EXPECT_EQ(IdClashes(ReadGroups(in)).size(), c.clashes) << c.text;
    }
}

}  // namespace
