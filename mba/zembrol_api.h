// Marks what the Zembrol shared library exports; everything else in it is
// built with hidden visibility.
#ifndef ZEMBROL_API_H
#define ZEMBROL_API_H

#define ZEMBROL_API __attribute__((visibility("default")))

#endif  // ZEMBROL_API_H
