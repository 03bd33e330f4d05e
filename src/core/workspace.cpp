// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/workspace.h"

namespace talve {

Workspace::Workspace(UserInterface& ui) : log(&ui), m_ui(ui) {}

void Workspace::set_caption(std::string_view control, std::string text) {
  auto it = m_captions.find(control);
  if (it == m_captions.end()) it = m_captions.emplace(std::string(control), std::string()).first;
  if (it->second == text) return;
  it->second = std::move(text);
  m_ui.caption_changed(control, it->second);
}

const std::string& Workspace::caption(std::string_view control) const {
  static const std::string kEmpty;
  const auto it = m_captions.find(control);
  return it == m_captions.end() ? kEmpty : it->second;
}

void Workspace::set_colour(std::string_view control, ColourPart part, ControlColour colour) {
  auto& kept = part == ColourPart::Text ? m_text_colours : m_background_colours;
  auto it = kept.find(control);
  if (it != kept.end() && it->second == colour) return;
  if (it == kept.end()) it = kept.emplace(std::string(control), colour).first;
  it->second = colour;
  m_ui.colour_changed(control, part, colour);
}

std::optional<ControlColour> Workspace::colour(std::string_view control, ColourPart part) const {
  const auto& kept = part == ColourPart::Text ? m_text_colours : m_background_colours;
  const auto it = kept.find(control);
  if (it == kept.end()) return std::nullopt;
  return it->second;
}

void Workspace::set_visible(std::string_view control, bool visible) {
  m_ui.visibility_changed(control, visible);
}

}  // namespace talve
