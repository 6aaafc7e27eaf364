// Elements: text elements and button elements (badges) per list box row or per
// report column, and the badges of report cells.
//
// An element is changed only where it was inserted and only by the calls of its
// kind, so a badge that was never added to a column never shows.
#include <functional>

#include "toolkit/headless/exports.h"
#include "toolkit/headless/kit_state.h"

namespace toolkit::headless {
namespace {

// The element lists that `where` names: one row or column, or every one (-1).
void ForEachOwner(ControlState& state, int where, const std::function<void(std::vector<Element>&)>& action) {
  auto visit = [&](auto& owners) {
    int count = static_cast<int>(owners.size());
    if (where == -1) {
      for (auto& owner : owners) action(owner.elements);
    } else if (where >= 0 && where < count) {
      action(owners[where].elements);
    }
  };
  if (state.kind == ControlKind::List) visit(state.rows);
  if (state.kind == ControlKind::Report) visit(state.columns);
}

Element* ElementOfKind(std::vector<Element>& elements, int index, int kind) {
  if (index < 0 || index >= static_cast<int>(elements.size())) return nullptr;
  return elements[index].kind == kind ? &elements[index] : nullptr;
}

void SetBox(Element& element, int x, int y, int w, int h) {
  element.x = x;
  element.y = y;
  element.width = w;
  element.height = h;
}

}  // namespace

namespace exports {

void SKINKIT_CALL Control_InsertElement(SkinHandle c, int where, int index, int kind) {
  ControlState* state = Living(c);
  if (!state || (kind != SKIN_ELEMENT_TEXT && kind != SKIN_ELEMENT_BUTTON)) return;
  ForEachOwner(*state, where, [&](std::vector<Element>& elements) {
    int count = static_cast<int>(elements.size());
    int at = index < 0 || index > count ? count : index;
    Element element;
    element.kind = kind;
    elements.insert(elements.begin() + at, element);
  });
}

void SKINKIT_CALL Control_SetTextElementAttributes(SkinHandle c, int row, int element, int x, int y, int w,
                                                   int h, const char* face) {
  ControlState* state = Living(c, ControlKind::List);
  if (!state) return;
  ForEachOwner(*state, row, [&](std::vector<Element>& elements) {
    if (Element* text = ElementOfKind(elements, element, SKIN_ELEMENT_TEXT)) {
      SetBox(*text, x, y, w, h);
      text->face = face ? face : "";
    }
  });
}

void SKINKIT_CALL Control_SetTextElementData(SkinHandle c, int row, int element, const char* text,
                                             uint32_t colour) {
  ControlState* state = Living(c, ControlKind::List);
  if (!state) return;
  ForEachOwner(*state, row, [&](std::vector<Element>& elements) {
    if (Element* target = ElementOfKind(elements, element, SKIN_ELEMENT_TEXT)) {
      target->text = text ? text : "";
      target->colour = colour;
    }
  });
}

void SKINKIT_CALL Control_SetButtonElementAttributes(SkinHandle c, int column, int element, int x, int y,
                                                     int w, int h, const void* skin, int skinLength,
                                                     const void* font) {
  ControlState* state = Living(c);
  if (!state) return;
  ForEachOwner(*state, column, [&](std::vector<Element>& elements) {
    if (Element* button = ElementOfKind(elements, element, SKIN_ELEMENT_BUTTON)) {
      SetBox(*button, x, y, w, h);
      if (skin && skinLength > 0) {
        button->skin.assign(static_cast<const char*>(skin), static_cast<size_t>(skinLength));
      } else {
        button->skin.clear();
      }
      button->hasFont = font != nullptr;
    }
  });
}

void SKINKIT_CALL Control_SetButtonElementData(SkinHandle c, int row, int column, int element,
                                               const char* text, uint32_t colour) {
  ControlState* state = Living(c);
  if (!state) return;
  if (state->kind == ControlKind::List) {
    ForEachOwner(*state, row, [&](std::vector<Element>& elements) {
      if (Element* button = ElementOfKind(elements, element, SKIN_ELEMENT_BUTTON)) {
        button->text = text ? text : "";
        button->colour = colour;
      }
    });
    return;
  }
  if (state->kind != ControlKind::Report) return;
  if (row < 0 || row >= static_cast<int>(state->reportRows.size())) return;
  if (column < 0 || column >= static_cast<int>(state->columns.size())) return;
  if (!ElementOfKind(state->columns[column].elements, element, SKIN_ELEMENT_BUTTON)) return;
  Badge& badge = state->reportRows[row].cells[column].badges[element];
  badge.text = text ? text : "";
  badge.colour = colour;
}

}  // namespace exports
}  // namespace toolkit::headless
