"""Deterministic generators for Tikora's bitmap resources (frames, hands, strip, icons)."""
