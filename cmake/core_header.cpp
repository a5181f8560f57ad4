// The file the sanitized build's precompiled standard headers are made with
// (the top-level CMakeLists.txt).
