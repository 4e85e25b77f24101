"""The prefix's registry through Wine's reg tool, and the .reg file format both ways."""

from __future__ import annotations

import re
from pathlib import Path
from typing import Any, Iterable

from harness_wine import WinePrefix


# ---- Registry -----------------------------------------------------------------------------------

REG_HEADER = "Windows Registry Editor Version 5.00"
_HEX_TYPES = {"": "REG_BINARY", "0": "REG_NONE", "2": "REG_EXPAND_SZ", "3": "REG_BINARY",
              "4": "REG_DWORD", "7": "REG_MULTI_SZ", "b": "REG_QWORD"}


def parse_reg(text: str) -> dict[str, dict[str, tuple[str, Any]]]:
    """Parses the text of a .reg file into {key path: {value name: (type, value)}}.

    Types and values: REG_DWORD -> int (unsigned), REG_SZ and REG_EXPAND_SZ -> str,
    REG_BINARY and REG_NONE -> bytes, REG_MULTI_SZ -> list of str, REG_QWORD -> int. The
    default value is named "". Key paths are as written ("HKEY_CURRENT_USER\\Tikora").
    """
    keys: dict[str, dict[str, tuple[str, Any]]] = {}
    current: dict[str, tuple[str, Any]] | None = None
    for line in _logical_lines(text):
        if not line or line.startswith(";") or line == REG_HEADER or line.startswith("REGEDIT"):
            continue
        if line.startswith("[") and line.endswith("]"):
            current = keys.setdefault(line[1:-1], {})
            continue
        if current is None:
            continue
        name, rest = _split_name(line)
        current[name] = _parse_data(rest)
    return keys


def _logical_lines(text: str) -> Iterable[str]:
    """Lines with the "\\" continuations of long hex data joined."""
    pending = ""
    for raw in text.splitlines():
        line = raw.strip()
        if pending:
            line = pending + line
            pending = ""
        if line.endswith("\\") and not line.startswith("["):
            # A value line ending in a backslash continues, unless the backslash closes a
            # quoted string ("path\\" would end in an escaped backslash and a quote).
            if not line.endswith('\\"'):
                pending = line[:-1]
                continue
        yield line
    if pending:
        yield pending


def _split_name(line: str) -> tuple[str, str]:
    if line.startswith("@="):
        return "", line[2:]
    if not line.startswith('"'):
        raise ValueError(f"bad registry line: {line!r}")
    name, end = _read_quoted(line, 0)
    if line[end:end + 1] != "=":
        raise ValueError(f"bad registry line: {line!r}")
    return name, line[end + 1:]


def _read_quoted(text: str, start: int) -> tuple[str, int]:
    """Reads a "quoted" string with \\ escapes at `start`; returns it and the index after it."""
    out = []
    i = start + 1
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            nxt = text[i + 1]
            out.append({"n": "\n", "r": "\r", "0": "\0", "t": "\t"}.get(nxt, nxt))
            i += 2
            continue
        if c == '"':
            return "".join(out), i + 1
        out.append(c)
        i += 1
    raise ValueError(f"unterminated string in {text!r}")


def _parse_data(data: str) -> tuple[str, Any]:
    if data.startswith('"'):
        value, _ = _read_quoted(data, 0)
        return "REG_SZ", value
    if data.startswith("dword:"):
        return "REG_DWORD", int(data[6:], 16)
    match = re.fullmatch(r"hex(?:\(([0-9a-fA-F]+)\))?:(.*)", data)
    if not match:
        raise ValueError(f"unknown registry data: {data!r}")
    kind = (match.group(1) or "").lower()
    body = match.group(2).replace(" ", "")
    raw = bytes(int(b, 16) for b in body.split(",") if b)
    type_name = _HEX_TYPES.get(kind, f"REG_TYPE_{kind}")
    if type_name == "REG_EXPAND_SZ":
        return type_name, raw.decode("utf-16-le").rstrip("\0")
    if type_name == "REG_MULTI_SZ":
        parts = raw.decode("utf-16-le").split("\0")
        while parts and parts[-1] == "":
            parts.pop()
        return type_name, parts
    if type_name == "REG_QWORD":
        return type_name, int.from_bytes(raw, "little")
    if type_name == "REG_DWORD":
        return type_name, int.from_bytes(raw, "little")
    return type_name, raw


def format_reg(key: str, values: dict[str, tuple[str, Any]]) -> str:
    """The .reg text that sets `values` ({name: (type, value)}) under `key`
    ("HKEY_CURRENT_USER\\Tikora"); the inverse of parse_reg for one key."""
    lines = [REG_HEADER, "", f"[{key}]"]
    for name, (type_name, value) in values.items():
        quoted = "@" if name == "" else _quote(name)
        if type_name == "REG_DWORD":
            lines.append(f"{quoted}=dword:{value & 0xFFFFFFFF:08x}")
        elif type_name == "REG_SZ":
            lines.append(f"{quoted}={_quote(value)}")
        else:
            code = {"REG_BINARY": "", "REG_NONE": "(0)", "REG_EXPAND_SZ": "(2)",
                    "REG_MULTI_SZ": "(7)", "REG_QWORD": "(b)"}[type_name]
            if type_name == "REG_EXPAND_SZ":
                raw = (value + "\0").encode("utf-16-le")
            elif type_name == "REG_MULTI_SZ":
                raw = ("".join(v + "\0" for v in value) + "\0").encode("utf-16-le")
            elif type_name == "REG_QWORD":
                raw = int(value).to_bytes(8, "little")
            else:
                raw = bytes(value)
            lines.append(f"{quoted}=hex{code}:" + ",".join(f"{b:02x}" for b in raw))
    return "\r\n".join(lines) + "\r\n"


def _quote(text: str) -> str:
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def signed32(value: int) -> int:
    """A REG_DWORD read as unsigned, taken as the signed 32-bit number the program stores."""
    return value - (1 << 32) if value & 0x80000000 else value


def _full_key(key: str) -> str:
    for short, full in (("HKCU", "HKEY_CURRENT_USER"), ("HKLM", "HKEY_LOCAL_MACHINE")):
        if key == short or key.startswith(short + "\\"):
            return full + key[len(short):]
    return key


class Registry:
    """The prefix's registry through `wine reg` (export, import, delete)."""

    def __init__(self, wine: WinePrefix, scratch: Path):
        self.wine = wine
        self.scratch = Path(scratch)

    def export_tree(self, key: str) -> dict[str, dict[str, tuple[str, Any]]] | None:
        """Every key under `key` ("HKCU\\Tikora") with its values; None when `key` is missing."""
        self.scratch.mkdir(parents=True, exist_ok=True)
        out = self.scratch / "export.reg"
        if out.exists():
            out.unlink()
        result = self.wine.run(["reg", "export", key, self.wine.windows_path(out), "/y"], timeout=60)
        if result.returncode != 0 or not out.exists():
            return None
        return parse_reg(_decode_reg_file(out.read_bytes()))

    def read_key(self, key: str) -> dict[str, tuple[str, Any]] | None:
        """The values of one key as {name: (type, value)}; None when the key is missing."""
        tree = self.export_tree(key)
        if tree is None:
            return None
        wanted = _full_key(key).lower()
        for path, values in tree.items():
            if path.lower() == wanted:
                return values
        return {}

    def import_values(self, key: str, values: dict[str, tuple[str, Any]]) -> None:
        """Creates `key` if needed and sets `values` ({name: (type, value)}) in it."""
        self.scratch.mkdir(parents=True, exist_ok=True)
        source = self.scratch / "import.reg"
        source.write_bytes(b"\xff\xfe" + format_reg(_full_key(key), values).encode("utf-16-le"))
        result = self.wine.run(["reg", "import", self.wine.windows_path(source)], timeout=60)
        if result.returncode != 0:
            raise RuntimeError(f"reg import failed: {result.stderr.decode(errors='replace')}")

    def delete_key(self, key: str) -> bool:
        """Deletes `key` with everything under it; False when it did not exist."""
        result = self.wine.run(["reg", "delete", key, "/f"], timeout=60)
        return result.returncode == 0

    def delete_value(self, key: str, name: str) -> bool:
        result = self.wine.run(["reg", "delete", key, "/v", name, "/f"], timeout=60)
        return result.returncode == 0


def _decode_reg_file(data: bytes) -> str:
    if data.startswith(b"\xff\xfe"):
        return data[2:].decode("utf-16-le")
    if data.startswith(b"\xfe\xff"):
        return data[2:].decode("utf-16-be")
    return data.decode("utf-8", errors="replace")
