// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace tessary {

// Puts every fixed caption under root (texts, titles, tool and status tips, accessible names
// and descriptions, tabs, menus and their items) into the language now installed. A caption
// is found again by the text it shows; texts made up of values (numbers, colour codes, file
// names), list items and controls marked "tessaryUserText" are left to the window, which
// makes them anew.
void retranslateTree(QWidget* root);

} // namespace tessary
