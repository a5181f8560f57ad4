// The file the suites' precompiled gtest.h is made with (googletest.cmake).
