# One set of compile options for every target of the project: the core, the program, the tests, the
# benchmarks and the fuzz targets link zevo_compile_options. CI turns warnings into errors with
# -DZEVO_WARNINGS_AS_ERRORS=ON.
option(ZEVO_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

add_library(zevo_compile_options INTERFACE)
target_compile_options(zevo_compile_options INTERFACE
    -Wall -Wextra -pedantic
    -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual
    $<$<BOOL:${ZEVO_WARNINGS_AS_ERRORS}>:-Werror>)
# Qt texts are made from single-byte bytes only where we say how (the Windows-1250 edge, Latin-1
# literals): no silent conversions between QString, char* and QByteArray. The window tests, whose
# tables are full of texts, may write a string literal where a QString goes (a target with the
# property ZEVO_LITERAL_TEXTS), but still no char* that is not a literal.
target_compile_definitions(zevo_compile_options INTERFACE
    $<IF:$<BOOL:$<TARGET_PROPERTY:ZEVO_LITERAL_TEXTS>>,QT_RESTRICTED_CAST_FROM_ASCII,QT_NO_CAST_FROM_ASCII>
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH)
