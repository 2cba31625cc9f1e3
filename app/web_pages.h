#pragma once
#include <windows.h>

// The two web pages of the main window: the music player on page "酷狗音乐"
// and the lyrics search on page "字幕搜索".
namespace app {

// Opens the player page, then retires its button and the notice in front of
// the player.  The button is used once.
void activateKugouPlayer(HWND mainWindow);

// Navigates the lyrics page to the search for the song name typed in
// `歌名框` (an empty name searches for an empty word).
void searchLyrics(HWND mainWindow);

// A key pressed in `歌名框`: Enter searches and is used up (true); every
// other key is left to the edit box (false).
bool onSongNameKey(HWND mainWindow, WPARAM virtualKey);

// Routes the key presses of `歌名框` through onSongNameKey.
bool watchSongNameKeys(HWND songNameBox);

}  // namespace app
