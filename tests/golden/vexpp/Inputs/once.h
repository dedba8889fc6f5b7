#pragma once
once_only
