// GDI objects in use by another process.
// GetGuiResources is not available under Wine, so the GDI objects are counted in the
// process's own GDI handle table, which its PEB points to (24-byte entries on 64-bit,
// a non-zero type byte marks an entry in use).
#include "probe.h"
#include <stdio.h>
#include <stdlib.h>
#include <winternl.h>

enum { GDI_TABLE_ENTRIES = 0x10000, GDI_ENTRY_SIZE = 24, GDI_TYPE_OFFSET = 14, PEB_GDI_TABLE_OFFSET = 0xF8 };

static long count_gdi_entries(HANDLE process)
{
    typedef NTSTATUS(NTAPI * QueryInfo)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    QueryInfo query = (QueryInfo)(void *)GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION info = {};
    if (!query || query(process, ProcessBasicInformation, &info, sizeof info, NULL) != 0)
        return -1;
    ULONG_PTR table = 0;
    SIZE_T got = 0;
    if (!ReadProcessMemory(process, (char *)info.PebBaseAddress + PEB_GDI_TABLE_OFFSET, &table, sizeof table, &got) ||
        table == 0)
        return -1;
    static unsigned char entries[GDI_TABLE_ENTRIES * GDI_ENTRY_SIZE];
    if (!ReadProcessMemory(process, (void *)table, entries, sizeof entries, &got))
        return -1;
    long used = 0;
    for (size_t i = 0; i + GDI_ENTRY_SIZE <= got; i += GDI_ENTRY_SIZE)
        if (entries[i + GDI_TYPE_OFFSET] != 0)
            used++;
    return used;
}

// gdi <pid>: the number of GDI objects the process has in use.
std::string cmd_gdi(const Args &args)
{
    if (args.size() < 2)
        return err("usage: gdi pid");
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE,
                                 (DWORD)strtoul(args[1].c_str(), NULL, 10));
    if (!process)
        return err("cannot open process");
    long gdi = count_gdi_entries(process);
    CloseHandle(process);
    return gdi < 0 ? err("no GDI handle table") : ok(std::to_string(gdi));
}
