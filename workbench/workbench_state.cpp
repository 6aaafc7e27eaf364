// Definitions of the global state and the property shorthands.
#include "workbench/workbench_state.h"

#include "workbench/engine_api.h"

namespace workbench {

const SkinKitApi* skin = nullptr;
Controls controls;

std::vector<MenuItemEntry> menuItemTable;
StyleRecord styleRecord;
std::string savedSubject;
std::string checkPicture;
std::vector<OptionEntry> optionTable;
std::vector<std::string> syntaxListEntries;
std::vector<CommonListEntry> commonListEntries;
std::unique_ptr<engine::Regex> regexObject;
std::vector<std::unique_ptr<engine::SearchResult>> searchResults;
std::vector<int> matchCaretStarts;
std::vector<int> matchSelectionLengths;
ListMode listMode = kListNone;
int cachedCharPos = 0;
int cachedByteOffset = 0;

int OptionOn(int index) {
  if (index < 0 || index >= static_cast<int>(optionTable.size())) return 0;
  return optionTable[index].checked;
}

intptr_t GetProperty(SkinHandle control, int number) {
  return skin->Control_SendMessage(control, SKIN_MSG_GET, number, 0);
}

void SetProperty(SkinHandle control, int number, intptr_t value) {
  skin->Control_SendMessage(control, SKIN_MSG_SET, number, value);
}

std::string GetTextProperty(SkinHandle control, int number) {
  const char* text = reinterpret_cast<const char*>(GetProperty(control, number));
  return text ? std::string(text) : std::string();
}

void SetTextProperty(SkinHandle control, int number, const std::string& text) {
  SetProperty(control, number, reinterpret_cast<intptr_t>(text.c_str()));
}

}  // namespace workbench
