// Test support: the fake BMS and the helpers that answer boxes and dialogs.
