# SPDX-License-Identifier: MIT
# A pseudo-translation of the program (cmake -DIN=ColorCard_en.ts -DOUT=... -P):
# every message translated as its source in brackets, to show that a language
# is no more than a .ts file and that every text goes through translation.
file(READ ${IN} text)
string(REGEX REPLACE
       "<source>([^<]*)</source>([^<]*(<comment>[^<]*</comment>[^<]*)?)<translation type=\"unfinished\"></translation>"
       "<source>\\1</source>\\2<translation>[\\1]</translation>" text "${text}")
file(WRITE ${OUT} "${text}")
