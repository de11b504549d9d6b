// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the page does for the browser front end, written in JavaScript (page.js). Every
// window and control of the page is known by a number the front end gives it; places
// are CSS pixels of the page unless they say device pixels. The input the page
// receives waits in its queue until the module takes it (forms_take_input).
extern "C" {

// The page as a screen: its size in CSS pixels, the device pixel ratio, the refresh rate.
void forms_page_size(int *width, int *height);
double forms_device_ratio(void);
double forms_refresh_rate(void);
// The system's button-face colour, as 0xRRGGBB.
int forms_button_face(void);

// A window: the main window fills the page, any other is a panel over it with a
// caption bar. Its client area is one canvas at whole device pixels.
void forms_window_create(int id, const char *name, int main);
void forms_window_caption(int id, const char *caption);
// The frame round the client area: left, top, right, bottom.
void forms_window_frame(int id, int *margins);
void forms_window_place(int id, int left, int top, int innerWidth, int innerHeight, int deviceWidth,
                        int deviceHeight);
void forms_window_show(int id, int shown);
int forms_window_active(int id);
// The device pixels of an area of the client area as the canvas keeps them, the bytes
// red, green, blue and alpha, row after row.
void forms_window_present(int id, const void *pixels, int x, int y, int width, int height);
void forms_window_scroll(int id, int range, int page, int shown);
int forms_window_scroll_position(int id);
int forms_window_scroll_width(void);

// A control on a window: 1 a button, 2 a text box, 3 a picture box, 4 a probe area.
void forms_control_create(int id, int window, int kind, const char *name);
void forms_control_place(int id, int x, int y, int width, int height);
void forms_control_visible(int id, int visible);
void forms_control_text(int id, const char *text);
void forms_control_font(int id, const char *family, int pixels, int bold);
void forms_control_background(int id, int rgb);
void forms_control_accessible(int id, const char *name, const char *description);
// The control takes the focus by Tab from now on.
void forms_control_focusable(int id);
// The texts of the labels painted on a surface that a reader may read, a line each.
void forms_control_label_texts(int id, const char *texts);
int forms_has_focus(int id);
void forms_focus(int id);
void forms_tab_order(int window, const int *ids, int count);
// The focus mark round a part of a window and the probe's marker, in the window's
// client area; hidden unless shown.
void forms_marks(int id, int window, int x, int y, int width, int height, double markerX, double markerY, int shown);

int forms_text_fits(const char *family, int pixels, int bold, const char *text, int width, int height, int wrap);
// Paints a label into device pixels: the label's logical area (x, y, width, height)
// at the ratio, the picture's first pixel being the device pixel origin.
void forms_paint_label(void *pixels, int pictureWidth, int pictureHeight, int originX, int originY, double ratio,
                       int x, int y, int width, int height, const char *caption, const char *family, int size, int bold,
                       int back, int fore, int centre);

void forms_say(const char *sentence);
void forms_runtime_error(const char *message);
void forms_quit(int status);

// A turn of the page's event loop is asked for: a Posted input follows.
void forms_request_turn(void);
void forms_timer_start(int id, int milliseconds);
void forms_timer_stop(int id);
// The next input into the eight words given; 0 when none waits.
int forms_take_input(int *input);
// The start-up form is shown: the page may hand the module its input.
void forms_page_ready(void);
}
