// A home page connected to the fake BMS.
