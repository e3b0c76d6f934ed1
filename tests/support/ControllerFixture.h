#pragma once

// What tests of the controller and its panels set up and take down around each case.
namespace ControllerFixture {

// The preferences the main data file holds, at the values the program starts with.
void resetPreferences();

// Every listed cabinet deleted and the list emptied.
void deleteShelves();

} // namespace ControllerFixture
