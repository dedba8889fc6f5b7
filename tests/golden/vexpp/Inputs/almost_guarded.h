/* a comment before the guard is fine */
#ifndef ALMOST_H
#define ALMOST_H
almost_text
#endif
text_after_the_guard
