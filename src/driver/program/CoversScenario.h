#pragma once
// The covers menu for reviewers: the open menu with its previews over the main window, then the
// program after choosing a cover, for three covers.
#include <functional>
#include <string>

#include "driver/harness/HeadlessDriver.h"

namespace tavra {

void coversScenario(HeadlessDriver& driver, const std::function<void(const std::string& step)>& shot);

// Chooses cover `index` (0 to 50) as a user does: opens "Вид" → "Обложки", scrolls the covers
// menu with the wheel until the item shows, and clicks it. `whileOpen` runs once the item shows.
void chooseCover(HeadlessDriver& driver, int index, const std::function<void()>& whileOpen = {});

}  // namespace tavra
