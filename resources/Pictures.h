// Pictures, the icon, the menus and the clock control's data, looked up by their resource numbers.
#pragma once

#include "resources/DialogTemplate.h"

#include <QIcon>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace nuro {

// The picture with this number at its own size, or a null image when there is none.
QImage LoadPicture(int id);
// Its twin drawn at twice the pixels for screens of device pixel ratio 2; null when there is none.
QImage LoadPicture2x(int id);
bool HasPicture(int id);

// Icon group 110: the window and notification-area icon.
QIcon LoadAppIcon(int id = 110);

// Menus 13 (menu bar) and 103 (notification area); nullptr for an unknown number.
const MenuTemplate* FindMenu(int id);

// The clock control's initial data block of template 13 (resource type 240).
std::span<const std::uint8_t> ClockControlData();

// Receives one entry of a control data block: the control's id, the message word and the entry's data.
// Answering -1 ends the walk.
using ControlDataSink = std::function<int(int id, int msg, const std::uint8_t* data, std::size_t len)>;

// Hands each entry of a control data block to `sink`, in order, until the end mark, an entry
// cut short by the end of the block, or a -1 answer. Returns how many entries were handed over.
int SendControlData(std::span<const std::uint8_t> block, const ControlDataSink& sink);

} // namespace nuro
