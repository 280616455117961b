АБВайс
second line
