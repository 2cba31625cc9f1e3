// The program's version, for its version resource and for the tests that
// read it back.  Plain preprocessor lines: the resource compiler reads this
// file too.
#pragma once

#define LUMO_VERSION_MAJOR 1
#define LUMO_VERSION_MINOR 0
#define LUMO_VERSION_PATCH 0
#define LUMO_VERSION_BUILD 0
#define LUMO_VERSION_TEXT "1.0.0.0"

// Chinese (PRC) with code page 936: the block the version strings live in.
#define LUMO_VERSION_LANGUAGE 0x0804
#define LUMO_VERSION_CODE_PAGE 936
#define LUMO_VERSION_BLOCK "080403a8"

#define LUMO_PRODUCT_NAME "Lumo音乐台盒子"
#define LUMO_PRODUCT_DESCRIPTION "Lumo音乐台盒子：音乐台主持工具箱"
#define LUMO_LOOPBACK_DESCRIPTION "Lumo音乐台盒子（测试用，连接本机服务器）"
