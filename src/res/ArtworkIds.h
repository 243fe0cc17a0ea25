// Resource ids of the program's pictures. Shared by Artwork.rc, the dialog
// templates that place the pictures, and the code that loads the icons, so it
// holds nothing but #defines that the resource compiler understands too.
//
// A picture in a dialog template has its bitmap's id as its control id too,
// and the style SS_CENTERIMAGE: the program finds every picture, and the
// artwork it shows, by that one number and draws it at the dialog's scale,
// centred in the place the template gives it.
#pragma once

// The word mark in the main window's frame.
#define IDB_LOGO 175

// Ten small decorations (moons, stars, sun, planets): 148..157.
#define IDB_DECORATION_FIRST 148
#define IDB_DECORATION_COUNT 10
#define IDB_DECORATION_148 148
#define IDB_DECORATION_149 149
#define IDB_DECORATION_150 150
#define IDB_DECORATION_151 151
#define IDB_DECORATION_152 152
#define IDB_DECORATION_153 153
#define IDB_DECORATION_154 154
#define IDB_DECORATION_155 155
#define IDB_DECORATION_156 156
#define IDB_DECORATION_157 157

// The twelve zodiac glyphs, Aries first and Pisces last: 162..173.
#define IDB_STRIP_FIRST 162
#define IDB_STRIP_COUNT 12
#define IDB_STRIP_162 162
#define IDB_STRIP_163 163
#define IDB_STRIP_164 164
#define IDB_STRIP_165 165
#define IDB_STRIP_166 166
#define IDB_STRIP_167 167
#define IDB_STRIP_168 168
#define IDB_STRIP_169 169
#define IDB_STRIP_170 170
#define IDB_STRIP_171 171
#define IDB_STRIP_172 172
#define IDB_STRIP_173 173

// The twelve small zodiac glyphs of the Schedule dialog, Aries first: 135..146.
#define IDB_SMALL_135 135
#define IDB_SMALL_136 136
#define IDB_SMALL_137 137
#define IDB_SMALL_138 138
#define IDB_SMALL_139 139
#define IDB_SMALL_140 140
#define IDB_SMALL_141 141
#define IDB_SMALL_142 142
#define IDB_SMALL_143 143
#define IDB_SMALL_144 144
#define IDB_SMALL_145 145
#define IDB_SMALL_146 146

// The small icon sits in dialogs (About box, beside the decorations); the main
// icon is the window's own, in the title bar and the task bar.
#define IDI_SMALL 102
#define IDI_MAIN 123

// The banner of the twelve signs in the Companion Analysis window.
#define IDB_COMPANION_BANNER 160

// Every bitmap also comes drawn at twice its size, for screens of 144 dpi and
// more, under its own id plus this offset.
#define IDB_DOUBLE_SIZE_OFFSET 1000
