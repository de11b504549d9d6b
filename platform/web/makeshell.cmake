# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

# Puts the fonts, as base64, and their licence into the page's shell:
# cmake -DREGULAR= -DBOLD= -DLICENCE= -DIN= -DOUT= -P makeshell.cmake
file(READ ${REGULAR} FORMS_FONT_REGULAR)
file(READ ${LICENCE} FORMS_FONT_LICENCE)
string(STRIP "${FORMS_FONT_LICENCE}" FORMS_FONT_LICENCE)
file(READ ${BOLD} FORMS_FONT_BOLD)
string(STRIP "${FORMS_FONT_REGULAR}" FORMS_FONT_REGULAR)
string(STRIP "${FORMS_FONT_BOLD}" FORMS_FONT_BOLD)
set(FORMS_PAGE_TITLE "Farbenlehre")
configure_file(${IN} ${OUT} @ONLY)
