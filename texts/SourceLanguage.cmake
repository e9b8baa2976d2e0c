# SPDX-License-Identifier: MIT
# The source language's .ts with every unfinished message translated as its
# source text (cmake -DIN=... -DOUT=... -P SourceLanguage.cmake). Texts in a
# .ts file hold no '<' (it is written &lt;), so a message is matched whole.
file(READ ${IN} text)
string(REGEX REPLACE
       "<source>([^<]*)</source>([^<]*(<comment>[^<]*</comment>[^<]*)?)<translation type=\"unfinished\"></translation>"
       "<source>\\1</source>\\2<translation>\\1</translation>" text "${text}")
file(WRITE ${OUT} "${text}")
