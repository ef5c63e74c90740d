// SPDX-License-Identifier: MIT
#pragma once

namespace tessary {

// Makes the items of every menu bar and menu, context menus included, speak their captions
// without the access-key marks ("表示(&V)" is read "表示", not "表示(V)"), while the menus
// still show the captions, access keys and shortcuts as they are. Safe to call more than
// once; it must run before assistive technology first asks about a menu item.
void installMenuAccessibility();

} // namespace tessary
