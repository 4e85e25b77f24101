"""The prefix's registry through the driver (reg-read, reg-write, reg-delete): a look takes
milliseconds, where starting Wine's reg tool would take a second."""

from __future__ import annotations

from typing import Any

from harness_driver import Driver

# Values as (type, value): REG_DWORD and REG_QWORD -> int (unsigned), REG_SZ and REG_EXPAND_SZ
# -> str, REG_BINARY and REG_NONE -> bytes, REG_MULTI_SZ -> list of str.
Value = tuple[str, Any]
_LONG_ROOTS = {"HKCU": "HKEY_CURRENT_USER", "HKLM": "HKEY_LOCAL_MACHINE"}


def signed32(value: int) -> int:
    """A REG_DWORD read as unsigned, taken as the signed 32-bit number the program stores."""
    return value - (1 << 32) if value & 0x80000000 else value


def full_key(key: str) -> str:
    head, _, rest = key.partition("\\")
    head = _LONG_ROOTS.get(head.upper(), head)
    return f"{head}\\{rest}" if rest else head


def _from_json(record: dict) -> Value:
    kind, value = record["type"], record["value"]
    if kind in ("REG_BINARY", "REG_NONE", "REG_UNKNOWN"):
        value = bytes.fromhex(value)
    return kind, value


def _data_text(kind: str, value: Any) -> str:
    if kind in ("REG_BINARY", "REG_NONE"):
        return bytes(value).hex()
    if kind == "REG_MULTI_SZ":
        return "\n".join(value)
    return str(value)


class Registry:
    def __init__(self, driver: Driver):
        self.driver = driver

    def export_tree(self, key: str) -> dict[str, dict[str, Value]] | None:
        """Every key under `key` ("HKCU\\Tikora") with its values, by full name
        ("HKEY_CURRENT_USER\\Tikora\\Data"); None when `key` is missing."""
        answer = self.driver.run("reg-read", key=key)
        if not answer["exists"]:
            return None
        return {path: {name: _from_json(record) for name, record in values.items()}
                for path, values in answer["keys"].items()}

    def read_key(self, key: str) -> dict[str, Value] | None:
        """The values of one key as {name: (type, value)}; None when the key is missing."""
        tree = self.export_tree(key)
        return None if tree is None else tree[full_key(key)]

    def import_values(self, key: str, values: dict[str, Value]) -> None:
        """Creates `key` if needed and sets `values` ({name: (type, value)}) in it."""
        names, kinds, data = [], [], []
        for name, (kind, value) in values.items():
            names.append(name)
            kinds.append(kind)
            data.append(_data_text(kind, value))
        self.driver.run("reg-write", key=key, name=names, type=kinds, data=data)

    def delete_key(self, key: str) -> bool:
        """Deletes `key` with everything under it; False when it did not exist."""
        return self.driver.run("reg-delete", key=key)["deleted"]

    def delete_value(self, key: str, name: str) -> bool:
        return self.driver.run("reg-delete", key=key, value=name)["deleted"]

    def snapshot(self, keys: list[str]) -> dict[str, dict | None]:
        return {key: self.export_tree(key) for key in keys}

    def restore(self, snapshot: dict[str, dict | None]) -> None:
        """Puts the keys of a snapshot back as they were: keys and values added since go, changed
        values get their old ones back."""
        for key, before in snapshot.items():
            now = self.export_tree(key)
            if now == before:
                continue
            if before is None:
                self.delete_key(key)
                continue
            for path in set(now or {}) - set(before):
                self.delete_key(path)
            for path, values in before.items():
                current = (now or {}).get(path, {})
                for name in set(current) - set(values):
                    self.delete_value(path, name)
                changed = {name: value for name, value in values.items() if current.get(name) != value}
                if changed:
                    self.import_values(path, changed)
