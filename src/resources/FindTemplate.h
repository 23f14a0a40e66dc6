#pragma once
// Dialog template and menu lookup by id, trying each language of the
// fallback chain in turn, as string lookup does. The result points into
// data compiled into the program and stays valid for the whole run; null
// when no language of the chain has the id.

#include "resources/DialogTemplate.h"
#include "resources/MenuTemplate.h"

#include <cstdint>

// In the active language.
const DialogTemplate* FindDialogTemplate(std::uint16_t id);
const DialogTemplate* FindDialogTemplate(std::uint16_t id, std::uint16_t langId);

const MenuTemplate* FindMenuTemplate(std::uint16_t id);
const MenuTemplate* FindMenuTemplate(std::uint16_t id, std::uint16_t langId);
